#pragma once
// The view's arithmetic: the fitted picture size and where the picture is drawn.

#include "emf/enh_metafile.h"

#include <cstdint>

namespace metaview {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 8;

struct ViewSize {
    std::int32_t width = 0, height = 0;
    bool operator==(const ViewSize&) const = default;
};

/// The picture at zoom 1: as large as the client area allows with the proportions of the
/// frame (0.01 mm). 0 x 0 for a frame of zero width or height.
ViewSize FittedSize(const emf::RectL& frame, ViewSize client);

/// Where the picture is drawn in the client area. Stretched: the client area itself.
/// Fixed aspect: the zoomed size centred, starting at 0 on an axis where it is larger than
/// the client area (the scroll position then moves it).
emf::RectL DrawingRect(ViewSize client, ViewSize zoomed, bool fixedAspect);

/// The largest scroll position on an axis: how far the zoomed picture overhangs.
std::int32_t ScrollRange(std::int32_t zoomed, std::int32_t client);

} // namespace metaview
