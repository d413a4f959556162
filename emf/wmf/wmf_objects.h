#pragma once
// The WMF object table: each created object takes the lowest free slot, as the platform's
// playback does, and slot n is EMF handle n + 1 (EMF handle 0 is the metafile itself).
// Regions have no EMF object; their rectangles are kept to be written where they are used.

#include "emf/enh_metafile.h"

#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

namespace emf {

enum class WmfObjectKind { Empty, Pen, Brush, Font, Palette, Region };

struct WmfObject {
    WmfObjectKind kind = WmfObjectKind::Empty;
    std::vector<RectL> rects; ///< a region's rectangles, logical units
    RectL bounds;             ///< a region's bounding rectangle, logical units
};

class WmfObjectTable {
public:
    /// Stores the object in the lowest free slot and returns the slot.
    std::uint32_t Add(WmfObject object);
    /// The object in a slot, or nullptr when the slot is empty or out of range.
    const WmfObject* Find(std::uint32_t slot) const;
    /// Empties a slot; false when it held nothing.
    bool Remove(std::uint32_t slot);

private:
    std::vector<WmfObject> m_slots;
    std::priority_queue<std::uint32_t, std::vector<std::uint32_t>, std::greater<>> m_free;
};

/// The EMF handle of a WMF object slot.
inline std::uint32_t EmfHandle(std::uint32_t slot) {
    return slot + 1;
}

} // namespace emf
