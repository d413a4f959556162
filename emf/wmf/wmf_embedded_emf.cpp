// A WMF that the platform made from an EMF carries that EMF, in pieces, in META_ESCAPE comment
// records ([MS-WMF] 2.3.6.25). Converting it back gives the original picture, but only while
// the WMF is unchanged: its checksum makes all its 16-bit words sum to zero.

#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

namespace emf {
namespace {

constexpr std::uint16_t MFCOMMENT = 0x000F;
constexpr std::uint32_t kWmfcIdentifier = 0x43464D57; // "WMFC"
constexpr std::uint32_t kEmfComment = 1;

bool WordsSumToZero(Bytes wmf) {
    std::uint16_t sum = 0;
    ByteReader r(wmf);
    while (r.remaining() >= 2)
        sum = static_cast<std::uint16_t>(sum + r.u16());
    return sum == 0;
}

struct Pieces {
    std::vector<std::byte> emf;
    std::uint32_t expectedRecords = 0, records = 0;
    std::uint64_t expectedSize = 0;
    bool broken = false;
};

void AddPiece(Pieces& pieces, ByteReader& r, std::size_t wmfSize) {
    if (r.u16() != MFCOMMENT) return;
    r.skip(2); // ByteCount
    if (r.u32() != kWmfcIdentifier || r.u32() != kEmfComment) return;
    r.skip(10); // Version, Checksum, Flags
    const std::uint32_t count = r.u32(), current = r.u32();
    r.skip(4); // RemainingBytes
    const std::uint32_t total = r.u32();
    const Bytes data = r.bytes(current);
    if (pieces.records == 0) pieces.expectedRecords = count, pieces.expectedSize = total;
    pieces.broken |= !r.ok() || total != pieces.expectedSize || total > wmfSize ||
                     pieces.emf.size() + data.size() > total;
    if (pieces.broken) return;
    pieces.emf.insert(pieces.emf.end(), data.begin(), data.end());
    ++pieces.records;
}

} // namespace

std::optional<std::vector<std::byte>> EmbeddedEmf(Bytes wmf) {
    if (!WordsSumToZero(wmf)) return std::nullopt;
    Pieces pieces;
    ForEachWmfRecord(wmf, [&](std::uint16_t function, ByteReader& params) {
        if (function == META_ESCAPE && !pieces.broken) AddPiece(pieces, params, wmf.size());
    });
    if (pieces.broken || pieces.records == 0 || pieces.records != pieces.expectedRecords ||
        pieces.emf.size() != pieces.expectedSize)
        return std::nullopt;
    return std::move(pieces.emf);
}

} // namespace emf
