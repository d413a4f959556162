#pragma once
// RTF in and out for QTextDocument: what WordPad, LibreOffice and our own editor write for
// ordinary formatted text.

#include <QByteArray>

#include <cstddef>
#include <span>

class QTextDocument;

namespace rtf {

/// Replaces doc's content with the document in data. Bytes that do not begin with "{\rtf"
/// are loaded as plain text (Windows-1252, or UTF-8 after a byte order mark). Damaged RTF
/// loads as far as it can be read. Afterwards doc is unmodified and has no undo history,
/// so a caller that keeps the original bytes can tell whether the user changed anything.
/// Returns true when data was RTF, false when it was loaded as plain text.
bool Read(std::span<const std::byte> data, QTextDocument& doc);
bool Read(const QByteArray& data, QTextDocument& doc);

/// The RTF of doc: 7-bit clean, \ansicpg1252 with \uN for characters outside it; Read()
/// gives back the same text and formatting. Links become HYPERLINK fields, list items keep
/// their marker as text; images and table structure are not written (cell text is).
QByteArray Write(const QTextDocument& doc);

} // namespace rtf
