#pragma once
// The state of one WMF-to-EMF conversion, shared by the record handlers.

#include "emf/byte_reader.h"
#include "emf/emf_builder.h"
#include "emf/wmf/wmf_mapping.h"
#include "emf/wmf/wmf_objects.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace emf {

/// The stock object DEFAULT_PALETTE, selected until the metafile selects its own.
inline constexpr std::uint32_t kDefaultPaletteHandle = 0x8000000F;

struct WmfContext {
    /// budget: the most EMF bytes the records may add; a record past it is left out.
    explicit WmfContext(std::size_t budget);

    EmfBuilder emf;
    WmfMapping mapping;
    WmfObjectTable objects;
    std::uint32_t selectedPalette; ///< EMF handle of the palette SetPalEntries changes
    PointL position;               ///< current position, logical units
    std::uint16_t textAlign = 0;   ///< TA_UPDATECP puts text at the current position
    std::size_t budget;            ///< EMF bytes still allowed
    SizeL area;                    ///< the picture's extent on the device, pixels

    /// Whether a record with this many parameter bytes is still within the budget.
    bool Fits(std::size_t paramsBytes) const { return paramsBytes + 8 <= budget; }
    void Emit(std::uint32_t type, const std::vector<std::byte>& params) {
        if (!Fits(params.size())) return;
        budget -= params.size() + 8;
        emf.AddRecord(type, params);
    }
    /// Widens the header bounds by a logical rectangle (inclusive), within the picture's area.
    void Draw(const RectL& logical);
};

inline constexpr std::size_t kWmfHeaderSize = 18, kWmfRecordHeadSize = 6;

/// Calls f(function, params) for each record after the METAHEADER up to META_EOF; a record
/// whose size is impossible ends the walk there.
template <class F> void ForEachWmfRecord(Bytes wmf, F f) {
    std::size_t pos = kWmfHeaderSize;
    while (wmf.size() >= pos && wmf.size() - pos >= kWmfRecordHeadSize) {
        ByteReader head(wmf, pos);
        const std::uint64_t bytes = 2ull * head.u32();
        const std::uint16_t function = head.u16();
        if (function == 0 || bytes < kWmfRecordHeadSize || bytes > wmf.size() - pos) return;
        ByteReader params(wmf.subspan(pos + kWmfRecordHeadSize, bytes - kWmfRecordHeadSize));
        f(function, params);
        pos += static_cast<std::size_t>(bytes);
    }
}

/// The EMF a WMF made from one carries in its comments, when the WMF is unchanged since.
std::optional<std::vector<std::byte>> EmbeddedEmf(Bytes wmf);

/// Reads one record's parameters and writes its EMF equivalent (or nothing).
using WmfHandler = void (*)(WmfContext&, ByteReader&);

struct WmfHandlerEntry {
    std::uint16_t function;
    WmfHandler handler;
};

std::span<const WmfHandlerEntry> WmfStateHandlers();
std::span<const WmfHandlerEntry> WmfObjectHandlers();
std::span<const WmfHandlerEntry> WmfDrawingHandlers();
std::span<const WmfHandlerEntry> WmfBitmapHandlers();
std::span<const WmfHandlerEntry> WmfRegionHandlers();
std::span<const WmfHandlerEntry> WmfTextHandlers();

/// Writes EMR_EXTSELECTCLIPRGN for a region object; nullptr resets the clipping region.
void SelectClipRegion(WmfContext& ctx, const WmfObject* region);

/// Reads a WMF point or size, stored y first.
PointL ReadYX(ByteReader& r);
/// Reads a WMF Rect stored bottom, right, top, left (the order of the drawing records).
RectL ReadReversedRect(ByteReader& r);
/// Reads count PointS values as 32-bit points; empty (and !r.ok()) when they do not fit.
std::vector<PointL> ReadPoints(ByteReader& r, std::uint64_t count);
/// The logical rectangle covering points; {0,0,-1,-1} when there are none.
RectL Extent(std::span<const PointL> points);

} // namespace emf
