#include "metaview/export/bitmap_export.h"

#include <algorithm>

namespace metaview {

std::uint64_t PixelsForMillimetres(std::uint32_t resolution, std::uint32_t mm) {
    return std::uint64_t(resolution) * mm * 10 / 254;
}

std::uint32_t PixelsPerMetre(std::uint32_t pixelsPerInch) {
    return static_cast<std::uint32_t>((std::uint64_t(pixelsPerInch) * 10000 + 127) / 254);
}

std::optional<BitmapExportSize> ExportBitmapSize(std::uint32_t resolution, std::uint32_t widthMm,
                                                 std::uint32_t heightMm) {
    const std::uint64_t w = PixelsForMillimetres(resolution, widthMm);
    const std::uint64_t h = PixelsForMillimetres(resolution, heightMm);
    if (w == 0 || h == 0 || w > kMaxBitmapSide || h > kMaxBitmapSide) return std::nullopt;
    if (w * h * 4 > kMaxBitmapBytes) return std::nullopt;
    return BitmapExportSize{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h),
                            PixelsPerMetre(resolution)};
}

std::uint32_t RatioSide(std::uint32_t side, std::uint32_t frameThis, std::uint32_t frameOther) {
    if (frameThis == 0) return side;
    const std::uint64_t other = std::uint64_t(side) * frameOther / frameThis;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(other, UINT32_MAX));
}

} // namespace metaview
