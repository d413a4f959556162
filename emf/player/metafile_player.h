#pragma once
// Enumerating and playing enhanced metafiles into a DeviceContext.

#include "emf/enh_metafile.h"
#include "emf/player/device_context.h"

#include <QRect>
#include <functional>
#include <vector>

class QImage;

namespace emf {

/// HANDLETABLE: the objects a metafile creates, indexed by its own object indices.
class HandleTable {
public:
    explicit HandleTable(std::size_t size) : m_objects(size) {}
    std::size_t size() const { return m_objects.size(); }
    /// The object at index, or null for an empty slot or an index out of range.
    HGDIOBJ Get(std::uint32_t index) const;
    /// Stores object at index; refused (false) when the index is out of range.
    bool Set(std::uint32_t index, HGDIOBJ object);

private:
    std::vector<HGDIOBJ> m_objects;
};

/// ENHMFENUMPROC: called once per record; returns whether to continue.
using EnhMetaFileProc = std::function<bool(DeviceContext& dc, HandleTable& table,
                                           const RecordView& record, int nHandles)>;

/// EnumEnhMetaFile: maps the picture's frame onto rect (logical units of dc; its right and
/// bottom edges are x + width and y + height, as a Windows RECT), calls proc
/// for every record in file order and restores dc's state afterwards. False when proc
/// stopped the enumeration.
bool EnumEnhMetaFile(DeviceContext& dc, const EnhMetaFile& picture, const EnhMetaFileProc& proc,
                     const QRect& rect);

/// PlayEnhMetaFileRecord: plays one record as recorded, within the enumeration's state.
/// A damaged record is skipped (false).
bool PlayEnhMetaFileRecord(DeviceContext& dc, HandleTable& table, const RecordView& record,
                           int nHandles);

/// PlayEnhMetaFile: plays every record into rect.
bool PlayEnhMetaFile(DeviceContext& dc, const EnhMetaFile& picture, const QRect& rect);

/// The picture drawn on white, width pixels wide, the height from the frame's aspect
/// (at least 1 pixel), from its GDI+ records when it has them and drawEmfPlus is set. A
/// null image for a width below 1 or beyond 16384.
QImage RenderToImage(const EnhMetaFile& picture, int width, bool drawEmfPlus = true);

} // namespace emf
