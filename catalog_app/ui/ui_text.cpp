#include "catalog_app/ui/ui_text.h"

#include "catalog/cp1252.h"
#include "catalog/media_type.h"
#include "catalog/min_sec_length.h"

#include <QDateTime>

namespace ui {

QString FormatIndex(std::uint32_t index) {
    return QString::asprintf("%06u", index);
}

QString FormatLength(std::uint32_t length) {
    return QString::fromStdString(catalog::FormatLength(length));
}

QString FormatDate(std::int32_t creationTime) {
    return QDateTime::fromSecsSinceEpoch(creationTime).toString(QStringLiteral("yyyy-MM-dd"));
}

QStringList MediaTypeNames() {
    return QString::fromLatin1(catalog::MediaTypeList.data(),
                               qsizetype(catalog::MediaTypeList.size()))
        .split(QLatin1Char('\n'));
}

QString MediaTypeName(std::int32_t mediaType) {
    if (mediaType >= 0 && std::size_t(mediaType) < catalog::MediaTypeNames.size()) {
        const std::string_view name = catalog::MediaTypeNames[std::size_t(mediaType)];
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    return QStringLiteral("(%1)").arg(mediaType);
}

QString FromAnsi(std::string_view bytes) {
    return QString::fromStdString(catalog::Cp1252ToUtf8(bytes));
}

std::string ToAnsi(const QString& text) {
    return catalog::Utf8ToCp1252(text.toStdString());
}

QString Storable(const QString& text) {
    return FromAnsi(ToAnsi(text));
}

} // namespace ui
