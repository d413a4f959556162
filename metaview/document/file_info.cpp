#include "metaview/document/file_info.h"

#include <cstdint>
#include <cstdio>

namespace metaview {

namespace {

// Header fields show as signed 32-bit numbers, as the dialog always did.
std::string Dec(std::uint32_t v) {
    return std::to_string(static_cast<std::int32_t>(v));
}

std::string Hex(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08lX", static_cast<unsigned long>(v));
    return buf;
}

std::string Rect(const emf::RectL& r) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "left: %ld, top: %ld, right: %ld, bottom: %ld",
                  static_cast<long>(r.left), static_cast<long>(r.top), static_cast<long>(r.right),
                  static_cast<long>(r.bottom));
    return buf;
}

std::string Size(const emf::SizeL& s) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "cx: %ld, cy: %ld", static_cast<long>(s.cx),
                  static_cast<long>(s.cy));
    return buf;
}

} // namespace

DescriptionStrings SplitDescription(std::string_view description) {
    const std::size_t end1 = description.find('\0');
    DescriptionStrings s;
    s.application = std::string(description.substr(0, end1));
    if (end1 == std::string_view::npos) return s;
    const std::string_view rest = description.substr(end1 + 1);
    s.picture = std::string(rest.substr(0, rest.find('\0')));
    return s;
}

std::array<FileInfoRow, kFileInfoRowCount> FileInformationRows(const emf::EnhMetaHeader& h,
                                                               std::string_view description) {
    DescriptionStrings names = SplitDescription(description);
    return {{
        {"EMF created in:", std::move(names.application)},
        {"EMF picture name:", std::move(names.picture)},
        {"Record type:", Dec(h.iType)},
        {"Structure size [bytes]", Dec(h.nSize)},
        {"Smallest rectangle [device units]:", Rect(h.rclBounds)},
        {"Rectangle surrounding the picture [0.01 mm]:", Rect(h.rclFrame)},
        {"Doubleword signature:", Hex(h.dSignature)},
        {"Metafile version:", Hex(h.nVersion)},
        {"Size of the enhanced metafile [bytes]:", Dec(h.nBytes)},
        {"Number of records:", Dec(h.nRecords)},
        {"Handles in the EMF handle table:", Dec(h.nHandles)},
        {"Reserved, must be zero:", Dec(h.sReserved)},
        {"Description string lenght [bytes]:", Dec(h.nDescription)},
        {"Description string offset [bytes]:", Dec(h.offDescription)},
        {"Number of entries in the EMFs palette:", Dec(h.nPalEntries)},
        {"Resolution of the reference device [pixel]:", Size(h.szlDevice)},
        {"Resolution of the reference device [mm]:", Size(h.szlMillimeters)},
    }};
}

} // namespace metaview
