#pragma once
// An immutable, validated enhanced metafile: what the platform's metafile handle stands for.
// Built only from bytes that passed validation, so every record it lists lies inside its
// data with a sound 8-byte header. Copies share the bytes.

#include "emf/byte_reader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace emf {

struct RectL {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct SizeL {
    std::int32_t cx = 0, cy = 0;
};
struct PointL {
    std::int32_t x = 0, y = 0;
};
struct PointS {
    std::int16_t x = 0, y = 0;
};
struct PaletteEntry {
    std::uint8_t red = 0, green = 0, blue = 0, flags = 0;
};

/// ENHMETAHEADER ([MS-EMF] 2.3.4.2), with the optional later fields when the header holds them.
struct EnhMetaHeader {
    std::uint32_t iType = 0, nSize = 0;
    RectL rclBounds, rclFrame;
    std::uint32_t dSignature = 0, nVersion = 0, nBytes = 0, nRecords = 0;
    std::uint16_t nHandles = 0, sReserved = 0;
    std::uint32_t nDescription = 0, offDescription = 0, nPalEntries = 0;
    SizeL szlDevice, szlMillimeters;
    std::optional<std::uint32_t> cbPixelFormat, offPixelFormat, bOpenGL; // header extension 1
    std::optional<SizeL> szlMicrometers;                                 // header extension 2
};

/// One record as enumerated: its type, its size, and all its bytes (type and size included).
struct RecordView {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::size_t offset = 0; ///< position in the metafile bytes
    Bytes data;             ///< size bytes, inside the metafile
    /// A reader over the record's parameters (just after the 8-byte type and size).
    ByteReader params() const { return ByteReader(data, 8); }
};

/// What reading noticed about bytes that do not fit the picture. None of it refuses the
/// picture: the records listed are the sound ones.
struct LoadNotes {
    bool recordCountDiffers = false; ///< the header's nRecords is not the number of records
    bool byteCountDiffers = false;   ///< the header's nBytes is not the size of Data()
    std::size_t ignoredBytes = 0;    ///< bytes after EMR_EOF or from a damaged record on
    std::string damage;    ///< why enumeration stopped before EMR_EOF; empty when it did not
    bool eofAdded = false; ///< no sound EMR_EOF was found, so one without palette was appended
};

struct PictureResult;

class EnhMetaFile {
public:
    /// SetEnhMetaFileBits: validates the bytes and builds the picture. A sound EMR_HEADER is
    /// required; records follow up to and including the first EMR_EOF. A record whose 8-byte
    /// head does not fit, whose size is below 8 or not a multiple of 4, or that runs past the
    /// data ends the picture there: the records before it are kept and an EMR_EOF is added
    /// (see Notes()). The header's nRecords and nBytes are only compared, never trusted.
    static PictureResult FromBytes(std::vector<std::byte> bytes);

    /// GetEnhMetaFileHeader: the header fields.
    const EnhMetaHeader& Header() const;
    /// The raw EMR_HEADER record (its nSize bytes).
    Bytes HeaderBytes() const;
    /// GetEnhMetaFileDescriptionA: application name, NUL, picture name, NUL, NUL in the ANSI
    /// code page; empty when the picture has no description.
    std::string DescriptionA() const;
    /// GetEnhMetaFilePaletteEntries: the entries of the EMR_EOF record.
    const std::vector<PaletteEntry>& PaletteEntries() const;
    /// The records in file order: 0 is EMR_HEADER, the last is EMR_EOF.
    const std::vector<RecordView>& Records() const;
    /// GetEnhMetaFileBits: the picture's bytes, up to and including EMR_EOF.
    Bytes Data() const;
    /// What reading noticed: disagreeing header counts, ignored or damaged bytes.
    const LoadNotes& Notes() const;

private:
    struct Impl;
    explicit EnhMetaFile(std::shared_ptr<const Impl> impl);
    std::shared_ptr<const Impl> m_impl;
};

/// The outcome of building a picture: the picture, or the reason it was refused.
struct PictureResult {
    std::optional<EnhMetaFile> picture;
    std::string error;
    explicit operator bool() const { return picture.has_value(); }
};

} // namespace emf
