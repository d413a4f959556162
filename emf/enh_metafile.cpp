#include "emf/enh_metafile.h"

#include "emf/byte_writer.h"
#include "emf/cp1252.h"
#include "emf/record_check.h"
#include "emf/record_types.h"

namespace emf {

struct EnhMetaFile::Impl {
    std::vector<std::byte> bytes; // exactly Data()
    EnhMetaHeader header;
    std::string description;
    std::vector<PaletteEntry> palette;
    std::vector<RecordView> records;
    LoadNotes notes;
};

namespace {

constexpr std::uint32_t kBaseHeaderSize = 88;
constexpr std::uint32_t kHeaderExtension1Size = 100;
constexpr std::uint32_t kHeaderExtension2Size = 108;

RectL ReadRect(ByteReader& r) {
    RectL v;
    v.left = r.i32(), v.top = r.i32(), v.right = r.i32(), v.bottom = r.i32();
    return v;
}

SizeL ReadSize(ByteReader& r) {
    SizeL v;
    v.cx = r.i32(), v.cy = r.i32();
    return v;
}

// The extensions are present only where the header record holds them before the description
// and pixel format data ([MS-EMF] 2.3.4.2).
void ReadHeaderExtensions(ByteReader& r, EnhMetaHeader& h) {
    std::uint32_t end = h.nSize;
    if (h.nDescription != 0 && h.offDescription < end) end = h.offDescription;
    if (end < kHeaderExtension1Size) return;
    h.cbPixelFormat = r.u32();
    h.offPixelFormat = r.u32();
    h.bOpenGL = r.u32();
    if (*h.cbPixelFormat != 0 && *h.offPixelFormat < end) end = *h.offPixelFormat;
    if (end >= kHeaderExtension2Size) h.szlMicrometers = ReadSize(r);
}

EnhMetaHeader ReadHeader(Bytes record) {
    ByteReader r(record);
    EnhMetaHeader h;
    h.iType = r.u32(), h.nSize = r.u32();
    h.rclBounds = ReadRect(r), h.rclFrame = ReadRect(r);
    h.dSignature = r.u32(), h.nVersion = r.u32(), h.nBytes = r.u32(), h.nRecords = r.u32();
    h.nHandles = r.u16(), h.sReserved = r.u16();
    h.nDescription = r.u32(), h.offDescription = r.u32(), h.nPalEntries = r.u32();
    h.szlDevice = ReadSize(r), h.szlMillimeters = ReadSize(r);
    ReadHeaderExtensions(r, h);
    return h;
}

// Why the first record cannot be the EMR_HEADER of a picture, or empty when it can.
std::string HeaderProblem(Bytes data) {
    if (data.size() < kBaseHeaderSize) return "too short for an enhanced metafile header";
    const std::uint32_t type = ReadU32(data, 0), size = ReadU32(data, 4);
    if (type != EMR_HEADER) return "the first record is not EMR_HEADER";
    if (ReadU32(data, 40) != ENHMETA_SIGNATURE) return "the header lacks the \"EMF \" signature";
    if (size < kBaseHeaderSize) return "the header record is shorter than 88 bytes";
    if (size % 4 != 0) return "the header record size is not a multiple of 4";
    if (size > data.size()) return "the header record runs past the end of the data";
    return {};
}

// Why the record starting at offset is not sound, or nullptr when it is.
const char* RecordProblem(Bytes data, std::size_t offset) {
    if (data.size() - offset < 8) return "a record header is cut off at the end of the data";
    const std::uint32_t size = ReadU32(data, offset + 4);
    if (size < 8) return "a record is shorter than 8 bytes";
    if (size % 4 != 0) return "a record size is not a multiple of 4";
    if (size > data.size() - offset) return "a record runs past the end of the data";
    return nullptr;
}

// Where the sound records end; the first pass, so the record list is allocated once.
struct Scan {
    std::size_t records = 0;
    std::size_t end = 0; // one past the last sound record
    bool endsWithEof = false;
    std::string damage;
};

Scan ScanRecords(Bytes data) {
    Scan scan;
    while (scan.end < data.size() && !scan.endsWithEof) {
        if (const char* problem = RecordProblem(data, scan.end)) {
            scan.damage = problem;
            break;
        }
        scan.endsWithEof = ReadU32(data, scan.end) == EMR_EOF;
        scan.end += ReadU32(data, scan.end + 4);
        ++scan.records;
    }
    if (!scan.endsWithEof && scan.damage.empty()) scan.damage = "the data ends without EMR_EOF";
    return scan;
}

// The second pass over bytes that are sound up to their end.
std::vector<RecordView> IndexRecords(Bytes data, std::size_t count) {
    std::vector<RecordView> records(count);
    std::size_t offset = 0;
    for (RecordView& v : records) {
        v.type = ReadU32(data, offset), v.size = ReadU32(data, offset + 4), v.offset = offset;
        v.data = data.subspan(offset, v.size);
        offset += v.size;
    }
    return records;
}

void AppendEof(std::vector<std::byte>& bytes) {
    ByteWriter w(bytes);
    w.u32(EMR_EOF), w.u32(20), w.u32(0), w.u32(16), w.u32(20);
}

std::vector<PaletteEntry> ReadPalette(const RecordView& eof) {
    std::vector<PaletteEntry> entries;
    if (!HasMinimumSize(eof)) return entries;
    ByteReader r = eof.params();
    const std::uint32_t count = r.u32(), offset = r.u32();
    const std::optional<Bytes> table = CheckedSpan(eof, offset, count, 4);
    if (!table) return entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < table->size(); i += 4) {
        const auto at = [&](std::size_t k) {
            return std::to_integer<std::uint8_t>((*table)[i + k]);
        };
        entries.push_back({at(0), at(1), at(2), at(3)});
    }
    return entries;
}

std::string ReadDescription(const RecordView& header, const EnhMetaHeader& h) {
    const std::optional<Bytes> text = CheckedSpan(header, h.offDescription, h.nDescription, 2);
    if (!text || text->empty() || h.offDescription < kBaseHeaderSize) return {};
    std::u16string units;
    ByteReader r(*text);
    for (std::uint32_t i = 0; i < h.nDescription; ++i)
        units.push_back(r.u16());
    return ToCp1252(units);
}

} // namespace

PictureResult EnhMetaFile::FromBytes(std::vector<std::byte> bytes) {
    PictureResult result;
    result.error = HeaderProblem(bytes);
    if (!result.error.empty()) return result;

    auto impl = std::make_shared<Impl>();
    Scan scan = ScanRecords(bytes);
    impl->notes.ignoredBytes = bytes.size() - scan.end;
    bytes.resize(scan.end);
    if (!scan.endsWithEof) {
        AppendEof(bytes);
        ++scan.records;
        impl->notes.eofAdded = true;
        impl->notes.damage = std::move(scan.damage);
    }
    impl->bytes = std::move(bytes);
    impl->records = IndexRecords(impl->bytes, scan.records);

    impl->header = ReadHeader(impl->records.front().data);
    impl->description = ReadDescription(impl->records.front(), impl->header);
    impl->palette = ReadPalette(impl->records.back());
    impl->notes.recordCountDiffers = impl->header.nRecords != impl->records.size();
    impl->notes.byteCountDiffers = impl->header.nBytes != impl->bytes.size();
    result.picture = EnhMetaFile(std::move(impl));
    return result;
}

EnhMetaFile::EnhMetaFile(std::shared_ptr<const Impl> impl) : m_impl(std::move(impl)) {}

const EnhMetaHeader& EnhMetaFile::Header() const {
    return m_impl->header;
}
Bytes EnhMetaFile::HeaderBytes() const {
    return m_impl->records.front().data;
}
std::string EnhMetaFile::DescriptionA() const {
    return m_impl->description;
}
const std::vector<PaletteEntry>& EnhMetaFile::PaletteEntries() const {
    return m_impl->palette;
}
const std::vector<RecordView>& EnhMetaFile::Records() const {
    return m_impl->records;
}
Bytes EnhMetaFile::Data() const {
    return m_impl->bytes;
}
const LoadNotes& EnhMetaFile::Notes() const {
    return m_impl->notes;
}

} // namespace emf
