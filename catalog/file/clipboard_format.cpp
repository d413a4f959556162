#include "catalog/file/clipboard_format.h"

#include "catalog/file/byte_stream.h"
#include "catalog/interpreter_list.h"
#include "catalog/media.h"

#include <cstdio>
#include <ctime>
#include <string_view>

namespace catalog {

namespace {

// A stored text ends at its first zero byte, wherever the bytes came from.
std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

class BlockWriter {
public:
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            m_Bytes.push_back(std::byte(value >> shift));
    }
    void Bytes(std::string_view bytes) {
        const auto* p = reinterpret_cast<const std::byte*>(bytes.data());
        m_Bytes.insert(m_Bytes.end(), p, p + bytes.size());
    }
    void Text(std::string_view text) {
        Bytes(UpToZero(text));
        m_Bytes.push_back(std::byte{0});
    }
    std::vector<std::byte> Take() { return std::move(m_Bytes); }

private:
    std::vector<std::byte> m_Bytes;
};

std::uint32_t TextSize(std::string_view text) {
    return static_cast<std::uint32_t>(UpToZero(text).size() + 1);
}

void WriteTrack(BlockWriter& out, const TrackClip& clip) {
    out.U32(clip.length);
    out.U32(TextSize(clip.title));
    out.U32(TextSize(clip.interpreter));
    out.Text(clip.title);
    out.Text(clip.interpreter);
}

bool ReadText(ByteReader& in, std::uint32_t size, std::string& text) {
    std::string_view bytes;
    if (!in.Bytes(size, bytes)) return false;
    text = UpToZero(bytes);
    return true;
}

bool ReadTrack(ByteReader& in, TrackClip& clip) {
    std::uint32_t titleSize = 0;
    std::uint32_t nameSize = 0;
    return in.U32(clip.length) && in.U32(titleSize) && in.U32(nameSize) &&
           ReadText(in, titleSize, clip.title) && ReadText(in, nameSize, clip.interpreter);
}

std::string TrackLine(const TrackClip& clip) {
    char number[16];
    std::snprintf(number, sizeof number, "%06u", clip.length);
    return std::string(number) + '\t' + std::string(UpToZero(clip.title)) + '\t' +
           std::string(UpToZero(clip.interpreter)) + '\n';
}

template <class Clip, class Encode>
std::vector<std::byte> EncodeList(const std::vector<Clip>& clips, Encode encode) {
    BlockWriter out;
    for (const Clip& clip : clips) {
        const std::vector<std::byte> item = encode(clip);
        out.U32(static_cast<std::uint32_t>(item.size()));
        out.Bytes({reinterpret_cast<const char*>(item.data()), item.size()});
    }
    return out.Take();
}

template <class Clip, class Decode>
std::optional<std::vector<Clip>> DecodeList(std::span<const std::byte> block, Decode decode) {
    ByteReader in(block);
    std::vector<Clip> clips;
    std::uint32_t size = 0;
    while (in.Remaining() >= 4 && in.U32(size) && size != 0) {
        std::string_view item;
        if (!in.Bytes(size, item)) return std::nullopt;
        auto clip = decode(std::as_bytes(std::span<const char>(item.data(), item.size())));
        if (!clip) return std::nullopt;
        clips.push_back(std::move(*clip));
    }
    if (clips.empty()) return std::nullopt;
    return clips;
}

} // namespace

TrackClip TrackClipOf(const CTrack& track, const CInterpreterList& interpreters) {
    const CInterpreter* interpreter = interpreters.FindInterpreter(track.InterpreterIndex());
    return {track.Length(), std::string(track.Title()),
            interpreter ? std::string(interpreter->Name()) : std::string()};
}

MediaClip MediaClipOf(const CMedia& media, const CInterpreterList& interpreters) {
    MediaClip clip{std::string(media.Title1()),
                   std::string(media.Title2()),
                   media.CreationTime(),
                   media.MediaType(),
                   media.TotalLength(),
                   media.Information(),
                   {}};
    clip.tracks.reserve(media.TrackCount());
    for (const CTrack& track : media.Tracks())
        clip.tracks.push_back(TrackClipOf(track, interpreters));
    return clip;
}

std::vector<std::byte> EncodeTrackClip(const TrackClip& clip) {
    BlockWriter out;
    WriteTrack(out, clip);
    return out.Take();
}

std::vector<std::byte> EncodeMediaClip(const MediaClip& clip) {
    BlockWriter out;
    out.U32(static_cast<std::uint32_t>(clip.tracks.size()));
    out.U32(TextSize(clip.title1));
    out.U32(TextSize(clip.title2));
    out.U32(static_cast<std::uint32_t>(clip.creationTime));
    out.U32(static_cast<std::uint32_t>(clip.mediaType));
    out.U32(clip.totalLength);
    out.U32(static_cast<std::uint32_t>(clip.information.size()));
    out.Text(clip.title1);
    out.Text(clip.title2);
    out.Bytes(clip.information);
    for (const TrackClip& track : clip.tracks)
        WriteTrack(out, track);
    return out.Take();
}

std::optional<TrackClip> DecodeTrackClip(std::span<const std::byte> block) {
    ByteReader in(block);
    TrackClip clip;
    if (!ReadTrack(in, clip)) return std::nullopt;
    return clip;
}

std::optional<MediaClip> DecodeMediaClip(std::span<const std::byte> block) {
    ByteReader in(block);
    MediaClip clip;
    std::uint32_t count = 0, size1 = 0, size2 = 0, created = 0, type = 0, infoSize = 0;
    if (!(in.U32(count) && in.U32(size1) && in.U32(size2) && in.U32(created) && in.U32(type) &&
          in.U32(clip.totalLength) && in.U32(infoSize)))
        return std::nullopt;
    clip.creationTime = static_cast<std::int32_t>(created);
    clip.mediaType = static_cast<std::int32_t>(type);
    std::string_view information;
    if (!ReadText(in, size1, clip.title1) || !ReadText(in, size2, clip.title2) ||
        !in.Bytes(infoSize, information))
        return std::nullopt;
    clip.information = information;
    // Every record takes at least its 12-byte header: a count the rest cannot hold is
    // refused before anything is reserved for it.
    if (count > in.Remaining() / TRACK_CLIP_HEADER_SIZE) return std::nullopt;
    clip.tracks.resize(count);
    for (TrackClip& track : clip.tracks)
        if (!ReadTrack(in, track)) return std::nullopt;
    return clip;
}

std::vector<std::byte> EncodeMediaClipList(const std::vector<MediaClip>& clips) {
    return EncodeList(clips, EncodeMediaClip);
}

std::vector<std::byte> EncodeTrackClipList(const std::vector<TrackClip>& clips) {
    return EncodeList(clips, EncodeTrackClip);
}

std::optional<std::vector<MediaClip>> DecodeMediaClipList(std::span<const std::byte> block) {
    return DecodeList<MediaClip>(block, DecodeMediaClip);
}

std::optional<std::vector<TrackClip>> DecodeTrackClipList(std::span<const std::byte> block) {
    return DecodeList<TrackClip>(block, DecodeTrackClip);
}

std::string TrackClipText(const TrackClip& clip) {
    return TrackLine(clip);
}

std::string MediaClipText(const MediaClip& clip) {
    const std::time_t created = clip.creationTime;
    std::tm local{};
    localtime_r(&created, &local);
    char head[64];
    std::snprintf(head, sizeof head, "%06u\t", clip.totalLength);
    char when[96];
    std::snprintf(when, sizeof when, "\t%04d-%02d-%02d, %02d:%02d:%02d\t%d\n", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  clip.mediaType);
    std::string text = head + std::string(UpToZero(clip.title1)) + '\t' +
                       std::string(UpToZero(clip.title2)) + when;
    for (const TrackClip& track : clip.tracks)
        text += TrackLine(track);
    return text;
}

} // namespace catalog
