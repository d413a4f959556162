#pragma once
// What the inspection tools show of the EMF+ records inside a picture's comment records.

#include "emf/enh_metafile.h"
#include "metaview/document/file_info.h"
#include "metaview/document/record_entries.h"

#include <cstdint>
#include <string>
#include <vector>

namespace metaview {

/// One EMF+ record as a line of the record list: its index in the comment, its name,
/// flags and size, and its bytes (head included) for the stepping dialog.
struct PlusRecordRow {
    std::size_t index = 0;
    std::string name; ///< "EmfPlusFillRects"; unknown types read "EmfPlusUnknown 0x...."
    std::uint16_t flags = 0;
    std::uint32_t size = 0;
    bool damaged = false;
    emf::Bytes bytes;
};

/// A 16-bit value as the record list shows flags and types: "0x8000".
std::string HexWord(std::uint16_t flags);

/// The EMF+ records of a record; empty for any record but a comment holding them.
std::vector<PlusRecordRow> PlusRecordRows(const emf::RecordView& record);

/// The type name of a play-list entry: the catalogue's name of a record, the EMF+ name,
/// indented, of an EMF+ record.
std::string EntryTypeName(const RecordEntry& entry);

/// The rows File Information adds: whether the picture is EMF only, EMF+ dual or EMF+ only,
/// and for EMF+ pictures the EMF+ header's version and resolution.
std::vector<FileInfoRow> PlusInformationRows(const emf::EnhMetaFile& picture);

} // namespace metaview
