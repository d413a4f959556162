// The catalogue file: signature, counted interpreter list, counted media list, each medium
// followed by its tracks; 32-bit little-endian numbers, texts as length + bytes + zero.

#include "catalog/catalogue.h"
#include "catalog/file/byte_stream.h"

using catalog::ByteReader;
using catalog::ByteWriter;
using catalog::CatalogueStatus;

// Friend of the record classes: reads and writes their stored fields in file order.
struct CatalogueFormat {
    static bool Read(ByteReader& in, CCountedString& text);
    static bool Read(ByteReader& in, CInterpreter& entry);
    static bool Read(ByteReader& in, CTrack& track);
    static bool Read(ByteReader& in, CMedia& media);
    static bool ReadInterpreters(ByteReader& in, CInterpreterList& list);
    static bool ReadMedia(ByteReader& in, CMediaList& list);

    static void Write(ByteWriter& out, const CCountedString& text);
    static void Write(ByteWriter& out, const CTrack& track);
    static void Write(ByteWriter& out, const CMedia& media);
    static void Write(ByteWriter& out, const CCatalogue& catalogue);
};

bool CatalogueFormat::Read(ByteReader& in, CCountedString& text) {
    std::uint32_t length = 0;
    std::string_view bytes;
    if (!in.U32(length) || !in.Bytes(length, bytes)) return false;
    text.SetStoredBytes(bytes);
    return true;
}

bool CatalogueFormat::Read(ByteReader& in, CInterpreter& entry) {
    return in.U32(entry.m_nIndex) && Read(in, entry.m_Name);
}

bool CatalogueFormat::Read(ByteReader& in, CTrack& track) {
    return in.U32(track.m_nTrackIndex) && in.U32(track.m_Length) &&
           in.U32(track.m_nInterpreterIndex) && Read(in, track.m_Title);
}

bool CatalogueFormat::Read(ByteReader& in, CMedia& media) {
    std::uint32_t trackCount = 0, creationTime = 0, mediaType = 0, infoLength = 0;
    std::string_view information;
    bool ok = in.U32(trackCount) && Read(in, media.m_Title1) && Read(in, media.m_Title2) &&
              in.U32(creationTime) && in.U32(mediaType) && in.U32(media.m_TotalLength) &&
              in.U32(media.m_nMediaIndex) && in.U32(infoLength) &&
              in.Bytes(infoLength, information);
    media.m_Information.assign(information);
    media.m_CreationTime = static_cast<std::int32_t>(creationTime);
    media.m_nMediaType = static_cast<std::int32_t>(mediaType);
    // Each track needs at least 16 bytes, so a huge count ends at the end of the data.
    for (std::uint32_t i = 0; ok && i < trackCount; ++i) {
        CTrack track;
        ok = Read(in, track);
        if (ok) media.m_Tracks.push_back(std::move(track));
    }
    return ok;
}

bool CatalogueFormat::ReadInterpreters(ByteReader& in, CInterpreterList& list) {
    std::uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        CInterpreter entry;
        if (!Read(in, entry)) return false;
        list.m_Entries.push_back(std::move(entry));
    }
    return true;
}

bool CatalogueFormat::ReadMedia(ByteReader& in, CMediaList& list) {
    std::uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        // The medium is read in place (records never move) and dropped when incomplete.
        if (!Read(in, list.m_Media.emplace_back())) {
            list.m_Media.pop_back();
            return false;
        }
    }
    return true;
}

void CatalogueFormat::Write(ByteWriter& out, const CCountedString& text) {
    out.U32(text.Length());
    out.Bytes(text.StoredBytes());
}

void CatalogueFormat::Write(ByteWriter& out, const CTrack& track) {
    out.U32(track.m_nTrackIndex);
    out.U32(track.m_Length);
    out.U32(track.m_nInterpreterIndex);
    Write(out, track.m_Title);
}

void CatalogueFormat::Write(ByteWriter& out, const CMedia& media) {
    out.U32(media.TrackCount());
    Write(out, media.m_Title1);
    Write(out, media.m_Title2);
    out.U32(static_cast<std::uint32_t>(media.m_CreationTime));
    out.U32(static_cast<std::uint32_t>(media.m_nMediaType));
    out.U32(media.m_TotalLength);
    out.U32(media.m_nMediaIndex);
    out.U32(static_cast<std::uint32_t>(media.m_Information.size()));
    out.Bytes(media.m_Information);
    for (const CTrack& track : media.m_Tracks)
        Write(out, track);
}

void CatalogueFormat::Write(ByteWriter& out, const CCatalogue& catalogue) {
    out.U32(catalogue.m_nSignature);
    out.U32(catalogue.m_InterpreterList.Count());
    for (const CInterpreter& entry : catalogue.m_InterpreterList) {
        out.U32(entry.m_nIndex);
        Write(out, entry.m_Name);
    }
    out.U32(catalogue.m_MediaList.Count());
    for (const CMedia& media : catalogue.m_MediaList)
        Write(out, media);
}

CatalogueStatus CCatalogue::Load(std::span<const std::byte> data) {
    // An empty file is an empty catalogue, as a new document would be.
    if (data.empty()) return {};
    ByteReader in(data);
    std::uint32_t signature = 0;
    if (!in.U32(signature) || signature != CATALOGUE_SIGNATURE)
        return {CatalogueStatus::InvalidFile, catalog::CauseNone};
    if (!CatalogueFormat::ReadInterpreters(in, m_InterpreterList) ||
        !CatalogueFormat::ReadMedia(in, m_MediaList))
        return {CatalogueStatus::ReadError, catalog::CauseEndOfFile};
    return {};
}

bool CCatalogue::Save(const catalog::ByteSink& sink) const {
    ByteWriter writer(sink);
    CatalogueFormat::Write(writer, *this);
    return writer.Finish();
}

void CCatalogue::Save(std::vector<std::byte>& out) const {
    Save([&out](std::span<const std::byte> bytes) {
        out.insert(out.end(), bytes.begin(), bytes.end());
        return true;
    });
}
