#pragma once
// How catalogue values look on screen; texts cross the edge through Windows-1252.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

/// The caption of the program's message boxes (the application title).
inline const QString kMessageTitle = QStringLiteral("MELVARA");

/// "%06d" of a media, track or interpreter index.
QString FormatIndex(std::uint32_t index);
/// "%d:%02d" of a playing length (minutes * 100 + seconds).
QString FormatLength(std::uint32_t length);
/// "%Y-%m-%d" of the creation time in local time.
QString FormatDate(std::int32_t creationTime);
/// The media type names in stored order ("CD" ... "other media").
QStringList MediaTypeNames();
/// The name of a stored media type; a number outside the list shows as "(n)".
QString MediaTypeName(std::int32_t mediaType);

/// Stored bytes as text.
QString FromAnsi(std::string_view bytes);
/// Text as stored bytes; characters the code page cannot hold become '?'.
std::string ToAnsi(const QString& text);
/// The text as it will be stored and read back, so a field can show it before storing.
QString Storable(const QString& text);

} // namespace ui
