#pragma once
// The first record of a GDI+ picture: what kind of picture it is and its resolution.

#include "emf/emfplus/plus_records.h"
#include "emf/enh_metafile.h"

#include <optional>

namespace emf::plus {

struct PlusHeader {
    bool dual = false;         ///< its GDI records draw the same picture
    bool videoDisplay = false; ///< recorded against a display rather than a printer
    std::uint32_t version = 0; ///< signature (high 20 bits) and graphics version (low 12)
    std::uint32_t dpiX = 0, dpiY = 0;
    std::uint32_t GraphicsVersion() const { return version & 0xFFF; }
};

/// The header of an EmfPlusHeader record; nothing when it is damaged.
std::optional<PlusHeader> ReadHeader(const PlusRecord& record);

/// The header of a picture: the first record of its first comment holding GDI+ records;
/// nothing for a picture without them.
std::optional<PlusHeader> FindHeader(const EnhMetaFile& picture);

/// Whether a picture is drawn from GDI records only, from both, or from GDI+ records only.
enum class PictureKind { EmfOnly, EmfPlusDual, EmfPlusOnly };
PictureKind KindOf(const std::optional<PlusHeader>& header);

} // namespace emf::plus
