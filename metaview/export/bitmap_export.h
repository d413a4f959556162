#pragma once
// The arithmetic of the bitmap export: pixels from a resolution and a size in millimetres,
// and the proportions kept by "Keep Original Ratio".

#include <cstdint>
#include <optional>

namespace metaview {

/// The bitmap the export draws into.
struct BitmapExportSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t pixelsPerMetre = 0;
};

/// Larger bitmaps are refused: no painter or reader handles them well, and the memory
/// they take would be the user's whole machine.
inline constexpr std::uint32_t kMaxBitmapSide = 32767;
inline constexpr std::uint64_t kMaxBitmapBytes = std::uint64_t(1) << 30; // at 32 bits a pixel

/// resolution (pixels per inch) x mm x 10 / 254, truncated.
std::uint64_t PixelsForMillimetres(std::uint32_t resolution, std::uint32_t mm);

/// Pixels per metre for pixels per inch, rounded.
std::uint32_t PixelsPerMetre(std::uint32_t pixelsPerInch);

/// The export bitmap for a resolution and a size in mm; none when a side comes out 0 or
/// the bitmap would exceed the limits above.
std::optional<BitmapExportSize> ExportBitmapSize(std::uint32_t resolution, std::uint32_t widthMm,
                                                 std::uint32_t heightMm);

/// "Keep Original Ratio": side x frameOther / frameThis (unsigned, truncating), the other
/// side of a picture whose frame is frameThis by frameOther; side itself when frameThis is 0.
std::uint32_t RatioSide(std::uint32_t side, std::uint32_t frameThis, std::uint32_t frameOther);

} // namespace metaview
