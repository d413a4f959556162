#include "metaview/export/metafile_clipboard.h"

#include "metaview/document/metafile_loading.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace metaview {

QStringList MetafileMimeTypes() {
    return {QStringLiteral("image/emf"), QStringLiteral("image/x-emf"),
            QStringLiteral("application/x-qt-windows-mime;value=\"CF_ENHMETAFILE\""),
            QStringLiteral("application/x-qt-windows-mime;value=\"Enhanced Metafile\"")};
}

std::optional<emf::EnhMetaFile> MetafileFromMimeData(const QMimeData& data) {
    for (const QString& format : MetafileMimeTypes()) {
        if (!data.hasFormat(format)) continue;
        const QByteArray bytes = data.data(format);
        const auto* begin = reinterpret_cast<const std::byte*>(bytes.constData());
        emf::PictureResult result =
            LoadMetafileBytes(std::vector<std::byte>(begin, begin + bytes.size()));
        if (result) return std::move(result.picture);
    }
    return std::nullopt;
}

bool ClipboardHasMetafile() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return false;
    for (const QString& format : MetafileMimeTypes())
        if (data->hasFormat(format)) return true;
    return false;
}

std::optional<emf::EnhMetaFile> ClipboardMetafile() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? MetafileFromMimeData(*data) : std::nullopt;
}

} // namespace metaview
