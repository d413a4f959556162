#include "emf/player/emfplus/plus_region.h"

#include "emf/player/emfplus/plus_paint.h"

namespace emf::plus {

namespace {

// Far beyond any device, small enough that Qt's boolean operations stay exact.
QPainterPath Everything() {
    QPainterPath p;
    p.addRect(QRectF(-4e6, -4e6, 8e6, 8e6));
    return p;
}

QPainterPath Combine(const QPainterPath& a, const QPainterPath& b, std::uint32_t op) {
    switch (op) {
    case RegionNode::And:
        return a.intersected(b);
    case RegionNode::Union:
        return a.united(b);
    case RegionNode::Xor:
        return a.subtracted(b).united(b.subtracted(a));
    case RegionNode::Exclude:
        return a.subtracted(b);
    default:
        return b.subtracted(a); // complement
    }
}

QPainterPath NodePath(const Region& region, int index, int depth) {
    if (index < 0 || std::size_t(index) >= region.nodes.size() || depth > 64) return {};
    const RegionNode& n = region.nodes[std::size_t(index)];
    switch (n.type) {
    case RegionNode::Rect: {
        QPainterPath p;
        p.addRect(QRectF(n.rect.x, n.rect.y, n.rect.width, n.rect.height));
        return p;
    }
    case RegionNode::PathNode:
        return ToPainterPath(n.path);
    case RegionNode::Infinite:
        return Everything();
    case RegionNode::Empty:
        return {};
    default:
        return Combine(NodePath(region, n.left, depth + 1), NodePath(region, n.right, depth + 1),
                       n.type);
    }
}

} // namespace

QPainterPath RegionPath(const Region& region) {
    return NodePath(region, 0, 0);
}

std::optional<QPainterPath> CombineClip(const std::optional<QPainterPath>& clip,
                                        const QPainterPath& area, CombineMode mode) {
    if (mode == CombineMode::Replace) return area;
    if (!clip) {
        if (mode == CombineMode::Intersect) return area;
        if (mode == CombineMode::Union) return std::nullopt;
    }
    const QPainterPath current = clip ? *clip : Everything();
    switch (mode) {
    case CombineMode::Intersect:
        return current.intersected(area);
    case CombineMode::Union:
        return current.united(area);
    case CombineMode::Xor:
        return Combine(current, area, RegionNode::Xor);
    case CombineMode::Exclude:
        return current.subtracted(area);
    case CombineMode::Complement:
        return area.subtracted(current);
    default:
        return area;
    }
}

} // namespace emf::plus
