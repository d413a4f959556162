#pragma once
// Serialises a QTextDocument as RTF: one \pard per block, character properties as changes.

#include "rtf/reader_state.h"

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QStringList>

class QBrush;
class QTextBlock;
class QTextDocument;
class QTextFragment;

namespace rtf {

/// Writes one document; the font and colour tables are gathered while the body is written.
class Writer {
public:
    explicit Writer(const QTextDocument& doc);
    QByteArray run();

private:
    QByteArray header() const;
    void writeBlock(const QTextBlock& block);
    void writeRun(const QTextFragment& fragment);
    void writeLink(const QTextFragment& fragment);
    void writeParagraph(const QTextBlock& block);
    void writeListMarker(const QTextBlock& block);
    void writeChars(const CharState& chars);
    CharState stateOf(const QTextCharFormat& format);
    int fontIndex(const QString& family);
    int colorIndex(const QBrush& brush);

    const QTextDocument& m_doc;
    QStringList m_fonts;  // \fN is the index; f0 is the document's default family
    QList<QRgb> m_colors; // \cfN is the index + 1; entry 0 is "automatic"
    CharState m_last;
    QByteArray m_body;
};

} // namespace rtf
