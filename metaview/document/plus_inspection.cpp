#include "metaview/document/plus_inspection.h"

#include "emf/emfplus/plus_header.h"
#include "emf/emfplus/plus_record_types.h"
#include "emf/emfplus/plus_records.h"
#include "metaview/document/emr_type_table.h"

#include <cstdio>

namespace metaview {

namespace {

std::string Hex(unsigned value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*X", digits, value);
    return buf;
}

} // namespace

std::string HexWord(std::uint16_t flags) {
    return Hex(flags, 4);
}

std::vector<PlusRecordRow> PlusRecordRows(const emf::RecordView& record) {
    std::vector<PlusRecordRow> rows;
    const emf::plus::CommentRecords split = emf::plus::SplitComment(record);
    rows.reserve(split.records.size());
    for (std::size_t i = 0; i < split.records.size(); ++i) {
        const emf::plus::PlusRecord& r = split.records[i];
        const std::string_view name = emf::plus::RecordName(r.type);
        PlusRecordRow row{
            i,         name.empty() ? "EmfPlusUnknown " + Hex(r.type, 4) : std::string(name),
            r.flags,   r.size,
            r.damaged, record.data.subspan(r.offset, r.size)};
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string EntryTypeName(const RecordEntry& entry) {
    if (!entry.plus) return std::string(EMRTypeName(entry.view.type));
    const std::string_view name = emf::plus::RecordName(std::uint16_t(entry.view.type));
    return "    " + (name.empty() ? "EmfPlusUnknown " + Hex(entry.view.type & 0xFFFF, 4)
                                  : std::string(name));
}

std::vector<FileInfoRow> PlusInformationRows(const emf::EnhMetaFile& picture) {
    const auto header = emf::plus::FindHeader(picture);
    static const char* const kinds[] = {"EMF only", "EMF+ dual", "EMF+ only"};
    std::vector<FileInfoRow> rows{{"EMF+ records:", kinds[int(emf::plus::KindOf(header))]}};
    if (!header) return rows;
    rows.push_back({"EMF+ version:", Hex(header->version, 8)});
    rows.push_back({"EMF+ resolution [dpi]:",
                    "x: " + std::to_string(header->dpiX) + ", y: " + std::to_string(header->dpiY)});
    return rows;
}

} // namespace metaview
