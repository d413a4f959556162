#include "catalog_app/exchange/clipboard_exchange.h"

#include "catalog_app/ui/ui_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <span>
#include <vector>

namespace clipboard {

namespace {

QMimeData* MimeData(const QString& format, const std::vector<std::byte>& block,
                    const std::string& text) {
    auto* data = new QMimeData;
    data->setData(format,
                  QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size())));
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

} // namespace

QMimeData* MediaMimeData(const catalog::MediaClip& clip) {
    return MimeData(kMediaFormat, catalog::EncodeMediaClip(clip), catalog::MediaClipText(clip));
}

QMimeData* TrackMimeData(const catalog::TrackClip& clip) {
    return MimeData(kTrackFormat, catalog::EncodeTrackClip(clip), catalog::TrackClipText(clip));
}

void PutMedia(const catalog::MediaClip& clip) {
    QGuiApplication::clipboard()->setMimeData(MediaMimeData(clip));
}

void PutTrack(const catalog::TrackClip& clip) {
    QGuiApplication::clipboard()->setMimeData(TrackMimeData(clip));
}

bool HasMedia() {
    return Offers(kMediaFormat);
}

bool HasTrack() {
    return Offers(kTrackFormat);
}

std::optional<catalog::MediaClip> Media() {
    const QByteArray block = Block(kMediaFormat);
    return catalog::DecodeMediaClip(Bytes(block));
}

std::optional<catalog::TrackClip> Track() {
    const QByteArray block = Block(kTrackFormat);
    return catalog::DecodeTrackClip(Bytes(block));
}

} // namespace clipboard
