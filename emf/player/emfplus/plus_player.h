#pragma once
// Playing the GDI+ records of a picture as GDI+ does: its records are drawn and its GDI
// records skipped, except those after an EmfPlusGetDC up to the next GDI+ record.

#include "emf/emfplus/object_assembler.h"
#include "emf/emfplus/plus_records.h"
#include "emf/player/emfplus/plus_state.h"

#include <functional>
#include <vector>

namespace emf {
class DcCore;
}

namespace emf::plus {

/// Which GDI+ records of a comment to play: the comment's offset in the picture and the
/// index of the record within the comment.
using PlusFilter = std::function<bool(std::size_t offset, std::size_t index)>;

class PlusPlayer {
public:
    /// pictureBytes bounds the memory continued objects may take.
    PlusPlayer(DcCore& dc, std::size_t pictureBytes);

    /// Plays a record of the picture. Returns whether the player took it: a comment
    /// holding GDI+ records, or a GDI record it skips; false for a GDI record that is to be
    /// played as usual.
    bool Take(const RecordView& record);
    /// Limits the GDI+ records played (the viewer's play list); none plays them all.
    void SetFilter(PlusFilter filter) { m_filter = std::move(filter); }

    // For the record handlers.
    DcCore& dc() { return m_dc; }
    const DcCore& dc() const { return m_dc; }
    GraphicsState state;
    std::vector<SavedState> saved;
    ObjectTable objects{};
    /// The header's resolution: what points, inches and millimetres are measured by. The
    /// device pixels of GDI+ records are the reference device's, as those of GDI records.
    double dpi = 96;

    /// Takes an object record; false when it completes an object that cannot be decoded.
    bool DefineObject(const PlusRecord& record);
    /// World units to the painter's pixels: world, page, the reference device, the frame.
    QTransform ToDevice() const;
    /// World units per unit of a size given in an absolute unit (a pen's width, a font's
    /// size): 1 for world units.
    double WorldPerUnit(Unit unit) const;
    /// The object of an id when it is of type T; null otherwise.
    template <typename T> const T* Get(std::uint32_t id) const {
        const auto& o = objects[id & 0xFF];
        return o ? std::get_if<T>(o.get()) : nullptr;
    }

private:
    void PlayComment(const RecordView& record);
    bool PlayRecord(const PlusRecord& record);

    DcCore& m_dc;
    ObjectAssembler m_assembler;
    PlusFilter m_filter;
    bool m_active = false; // a header was seen: GDI records are now skipped
    bool m_getDC = false;  // GDI records are played until the next GDI+ record
};

} // namespace emf::plus
