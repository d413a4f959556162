// Paths and regions: [MS-EMFPLUS] 2.2.1.6 and 2.2.1.8.
#include "emf/emfplus/plus_geometry.h"
#include "emf/emfplus/plus_objects.h"

namespace emf::plus {

namespace {

constexpr std::uint32_t kRleTypes = 0x1000;
// Combine nodes nest; a picture's regions are shallow, a hostile one could be deep enough
// to exhaust the stack.
constexpr int kMaxRegionDepth = 64;

bool ReadRleTypes(ByteReader& r, std::size_t count, std::vector<std::uint8_t>& types) {
    while (types.size() < count) {
        const std::uint8_t run = r.u8() & 0x3F;
        const std::uint8_t type = r.u8();
        if (!r.ok()) return false;
        for (std::uint8_t i = 0; i < run && types.size() < count; ++i)
            types.push_back(type);
        if (run == 0 && r.remaining() == 0) return false;
    }
    return true;
}

bool ReadNode(ByteReader& r, Region& region, int depth);

bool ReadChild(ByteReader& r, Region& region, int depth, int& index) {
    index = int(region.nodes.size());
    return ReadNode(r, region, depth + 1);
}

bool ReadNode(ByteReader& r, Region& region, int depth) {
    if (depth > kMaxRegionDepth) return false;
    const std::size_t at = region.nodes.size();
    region.nodes.push_back({});
    const std::uint32_t type = r.u32();
    region.nodes[at].type = type;
    switch (type) {
    case RegionNode::Rect:
        region.nodes[at].rect = ReadRect(r, false);
        return r.ok();
    case RegionNode::PathNode: {
        const std::uint32_t length = r.u32();
        ByteReader sub(r.bytes(length));
        Path path;
        if (!r.ok() || !ReadPath(sub, path)) return false;
        region.nodes[at].path = std::move(path);
        return true;
    }
    case RegionNode::Empty:
    case RegionNode::Infinite:
        return r.ok();
    case RegionNode::And:
    case RegionNode::Union:
    case RegionNode::Xor:
    case RegionNode::Exclude:
    case RegionNode::Complement: {
        int left = -1, right = -1;
        if (!ReadChild(r, region, depth, left) || !ReadChild(r, region, depth, right)) return false;
        region.nodes[at].left = left;
        region.nodes[at].right = right;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

bool ReadPath(ByteReader& r, Path& out) {
    r.u32(); // version
    const std::uint32_t count = r.u32();
    const std::uint32_t flags = r.u32();
    if (!r.ok() || !ReadPoints(r, count, PointFormOf(std::uint16_t(flags)), out.points))
        return false;
    out.types.clear();
    if (flags & kRleTypes) return ReadRleTypes(r, count, out.types);
    const Bytes types = r.bytes(count);
    if (!r.ok()) return false;
    for (std::byte b : types)
        out.types.push_back(std::to_integer<std::uint8_t>(b));
    return true;
}

bool ReadRegion(ByteReader& r, Region& out) {
    r.u32(); // version
    r.u32(); // child node count: the tree itself says where it ends
    out.nodes.clear();
    return r.ok() && ReadNode(r, out, 0);
}

} // namespace emf::plus
