#include "metaview/document/emf_data.h"

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "metaview/document/metafile_loading.h"

#include <algorithm>
#include <climits>
#include <cmath>

bool CEMFData::LoadFromArchive(std::vector<std::byte> file, std::string& error) {
    emf::PictureResult result = metaview::LoadMetafileBytes(std::move(file));
    if (!result) {
        error = result.error;
        return false;
    }
    SetMetafile(*result.picture);
    return true;
}

void CEMFData::SetMetafile(const emf::EnhMetaFile& picture) {
    m_picture = picture;
    m_header = picture.Header();
    m_description = picture.DescriptionA();
    m_entries = metaview::RecordEntries(picture);
    const std::size_t n = m_entries.size();
    m_playFlags.assign(n, 1);
    m_marks.assign(n, 0);
}

std::string_view CEMFData::PictureName() const {
    const std::size_t nul = m_description.find('\0');
    if (nul == std::string::npos) return {};
    const std::string_view rest = std::string_view(m_description).substr(nul + 1);
    return rest.substr(0, rest.find('\0'));
}

void CEMFData::SetPlayFlag(std::size_t pos, bool on) {
    if (pos < m_playFlags.size()) m_playFlags[pos] = on;
}

void CEMFData::SetGeneralMark(std::size_t pos, bool on) {
    if (pos < m_marks.size()) m_marks[pos] = on;
}

void CEMFData::ClearPlayFlags() {
    std::fill(m_playFlags.begin(), m_playFlags.end(), 0);
}

void CEMFData::SetAllPlayFlags() {
    std::fill(m_playFlags.begin(), m_playFlags.end(), 1);
}

void CEMFData::ClearGeneralMarks() {
    std::fill(m_marks.begin(), m_marks.end(), 0);
}

std::int32_t CEMFData::PlayNextRecord() {
    const auto it = std::find(m_playFlags.begin(), m_playFlags.end(), 0);
    if (it == m_playFlags.end()) return -1;
    *it = 1;
    return static_cast<std::int32_t>(it - m_playFlags.begin());
}

void CEMFData::RestorePlayFlags(const Flags& saved) {
    const std::size_t n = std::min(saved.size(), m_playFlags.size());
    std::copy_n(saved.begin(), n, m_playFlags.begin());
}

void CEMFData::SetSelection(const emf::RectL& rect) {
    m_selection = rect;
    m_selectionShown = true;
}

namespace {

// origin + v x extent x 100 / scale in 128 bits: a hostile header cannot overflow it, and
// the few results outside 32 bits are clamped.
std::int32_t MapCoord(std::int32_t origin, std::int32_t v, std::int64_t extent,
                      std::int64_t scale) {
    const __int128 r = origin + __int128(v) * extent * 100 / scale;
    return static_cast<std::int32_t>(std::clamp<__int128>(r, INT32_MIN, INT32_MAX));
}

} // namespace

// The frame's size in reference device units x 100 (0.01 mm x pixels per mm).
std::optional<CEMFData::FrameScale> CEMFData::frameScale() const {
    const emf::RectL& frame = m_header.rclFrame;
    const emf::SizeL& dev = m_header.szlDevice;
    const emf::SizeL& mm = m_header.szlMillimeters;
    if (mm.cx == 0 || mm.cy == 0) return std::nullopt;
    const std::int64_t w = (std::int64_t(frame.right) - frame.left) * dev.cx / mm.cx;
    const std::int64_t h = (std::int64_t(frame.bottom) - frame.top) * dev.cy / mm.cy;
    if (w == 0 || h == 0) return std::nullopt;
    return FrameScale{w, h};
}

std::optional<emf::RectL> CEMFData::SelectionIn(const emf::RectL& rect) const {
    const auto scale = frameScale();
    if (!scale) return std::nullopt;
    const std::int64_t rw = std::int64_t(rect.right) - rect.left;
    const std::int64_t rh = std::int64_t(rect.bottom) - rect.top;
    return emf::RectL{MapCoord(rect.left, m_selection.left, rw, scale->cx),
                      MapCoord(rect.top, m_selection.top, rh, scale->cy),
                      MapCoord(rect.left, m_selection.right, rw, scale->cx),
                      MapCoord(rect.top, m_selection.bottom, rh, scale->cy)};
}

bool CEMFData::SelectDrawn(const QRectF& box, const emf::RectL& rect) {
    const auto scale = frameScale();
    const double rw = double(rect.right) - rect.left, rh = double(rect.bottom) - rect.top;
    if (!scale || rw == 0 || rh == 0) return false;
    auto unmap = [](double v, double origin, double extent, double s) {
        return std::int32_t(std::clamp(std::round((v - origin) * s / (extent * 100)),
                                       double(INT32_MIN), double(INT32_MAX)));
    };
    SetSelection({unmap(box.left(), rect.left, rw, scale->cx),
                  unmap(box.top(), rect.top, rh, scale->cy),
                  unmap(box.right(), rect.left, rw, scale->cx),
                  unmap(box.bottom(), rect.top, rh, scale->cy)});
    return true;
}

bool CEMFData::StoreToArchive(metaview::ByteSink& sink, bool saveCopy) const {
    if (!m_picture) return false;
    if (saveCopy) return sink.Write(m_picture->Data());
    return StoreDrawnRecords(sink);
}

// The header, every later record whose play flag is set, and EMR_EOF whatever its flag, so
// that the file stays a whole EMF; the header counts what is actually written, not what the
// loaded header claimed.
bool CEMFData::StoreDrawnRecords(metaview::ByteSink& sink) const {
    const auto& records = m_picture->Records();
    std::vector<emf::Bytes> kept;
    // Enumeration ends with the one EMR_EOF (the reader adds one where a file lacks it).
    for (std::size_t i = 1; i < records.size(); ++i)
        if (PlayFlag(m_entries.PositionOfRecord(i)) || records[i].type == emf::EMR_EOF)
            kept.push_back(records[i].data);
    const emf::Bytes original = m_picture->HeaderBytes();
    std::vector<std::byte> header(original.begin(), original.end());
    if (header.size() < 56) return false; // no room for nBytes and nRecords
    std::uint64_t total = header.size();
    for (emf::Bytes r : kept)
        total += r.size();
    emf::ByteWriter patch(header);
    patch.patchU32(48, static_cast<std::uint32_t>(total));           // nBytes
    patch.patchU32(52, static_cast<std::uint32_t>(kept.size() + 1)); // nRecords
    if (!sink.Write(header)) return false;
    return std::all_of(kept.begin(), kept.end(), [&](emf::Bytes r) { return sink.Write(r); });
}
