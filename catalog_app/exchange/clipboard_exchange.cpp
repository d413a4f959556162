#include "catalog_app/exchange/clipboard_exchange.h"

#include "catalog_app/ui/ui_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <span>
#include <vector>

namespace clipboard {

namespace {

QByteArray ToByteArray(const std::vector<std::byte>& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
}

QMimeData* MimeData(const QString& format, const std::vector<std::byte>& block,
                    const std::string& text) {
    auto* data = new QMimeData;
    data->setData(format, ToByteArray(block));
    data->setText(ui::FromAnsi(text));
    return data;
}

bool Offers(const QString& format) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(format);
}

QByteArray Block(const QString& format) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(format) : QByteArray();
}

std::span<const std::byte> Bytes(const QByteArray& block) {
    return {reinterpret_cast<const std::byte*>(block.constData()), std::size_t(block.size())};
}

void SetList(QMimeData& data, const QString& format, const std::vector<std::byte>& block,
             const std::string& text) {
    data.setData(format, ToByteArray(block));
    data.setText(ui::FromAnsi(text));
}

template <class Clip, class Text> std::string TextOf(const std::vector<Clip>& clips, Text text) {
    std::string all;
    for (const Clip& clip : clips)
        all += text(clip);
    return all;
}

template <class DecodeList, class DecodeOne>
auto Read(const QString& listFormat, const QString& oneFormat, DecodeList decodeList,
          DecodeOne decodeOne) -> decltype(decodeList(std::span<const std::byte>())) {
    // Another program, or an older copy of this one, may offer the single block only.
    if (Offers(listFormat)) {
        const QByteArray list = Block(listFormat);
        if (auto clips = decodeList(Bytes(list))) return clips;
    }
    const QByteArray one = Block(oneFormat);
    if (auto clip = decodeOne(Bytes(one))) return std::vector{std::move(*clip)};
    return std::nullopt;
}

} // namespace

QMimeData* MediaMimeData(const catalog::MediaClip& clip) {
    return MimeData(kMediaFormat, catalog::EncodeMediaClip(clip), catalog::MediaClipText(clip));
}

QMimeData* TrackMimeData(const catalog::TrackClip& clip) {
    return MimeData(kTrackFormat, catalog::EncodeTrackClip(clip), catalog::TrackClipText(clip));
}

QMimeData* MediaMimeData(const std::vector<catalog::MediaClip>& clips, std::size_t current) {
    QMimeData* data = MediaMimeData(clips.at(current));
    SetList(*data, kMediaListFormat, catalog::EncodeMediaClipList(clips),
            TextOf(clips, catalog::MediaClipText));
    return data;
}

QMimeData* TrackMimeData(const std::vector<catalog::TrackClip>& clips, std::size_t current) {
    QMimeData* data = TrackMimeData(clips.at(current));
    SetList(*data, kTrackListFormat, catalog::EncodeTrackClipList(clips),
            TextOf(clips, catalog::TrackClipText));
    return data;
}

void PutMedia(const std::vector<catalog::MediaClip>& clips, std::size_t current) {
    QGuiApplication::clipboard()->setMimeData(MediaMimeData(clips, current));
}

void PutTrack(const std::vector<catalog::TrackClip>& clips, std::size_t current) {
    QGuiApplication::clipboard()->setMimeData(TrackMimeData(clips, current));
}

bool HasMedia() {
    return Offers(kMediaListFormat) || Offers(kMediaFormat);
}

bool HasTrack() {
    return Offers(kTrackListFormat) || Offers(kTrackFormat);
}

std::optional<std::vector<catalog::MediaClip>> Media() {
    return Read(kMediaListFormat, kMediaFormat, catalog::DecodeMediaClipList,
                catalog::DecodeMediaClip);
}

std::optional<std::vector<catalog::TrackClip>> Track() {
    return Read(kTrackListFormat, kTrackFormat, catalog::DecodeTrackClipList,
                catalog::DecodeTrackClip);
}

} // namespace clipboard
