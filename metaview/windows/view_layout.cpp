#include "metaview/windows/view_layout.h"

#include <algorithm>

namespace metaview {

ViewSize FittedSize(const emf::RectL& frame, ViewSize client) {
    const std::int64_t fw = std::int64_t(frame.right) - frame.left;
    const std::int64_t fh = std::int64_t(frame.bottom) - frame.top;
    if (fw <= 0 || fh <= 0 || client.width <= 0 || client.height <= 0) return {};
    // The side that limits is the one whose client extent is smaller relative to the frame;
    // a picture fitted this way never overhangs the client area at zoom 1.
    if (fh * client.width > fw * client.height)
        return {static_cast<std::int32_t>(fw * client.height / fh), client.height};
    return {client.width, static_cast<std::int32_t>(fh * client.width / fw)};
}

emf::RectL DrawingRect(ViewSize client, ViewSize zoomed, bool fixedAspect) {
    if (!fixedAspect) return {0, 0, client.width, client.height};
    emf::RectL r{(client.width - zoomed.width) / 2, (client.height - zoomed.height) / 2,
                 (client.width + zoomed.width) / 2, (client.height + zoomed.height) / 2};
    if (r.top < 0) {
        r.bottom -= r.top;
        r.top = 0;
    }
    if (r.left < 0) {
        r.right -= r.left;
        r.left = 0;
    }
    return r;
}

std::int32_t ScrollRange(std::int32_t zoomed, std::int32_t client) {
    return std::max(0, zoomed - client);
}

} // namespace metaview
