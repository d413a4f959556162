#pragma once
// Turns the reader's decoded text and states into blocks and fragments of a QTextDocument.

#include "rtf/code_page.h"
#include "rtf/reader_state.h"
#include "rtf/tables.h"

#include <QString>
#include <QTextCursor>

#include <string_view>

class QTextDocument;

namespace rtf {

/// Appends runs of equally formatted text to a document, one QTextCursor insert per run.
class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument& doc, const FontTable& fonts, const ColorTable& colors,
                    const DocumentInfo& info);
    /// Closes the edit block opened for the inserts, so the document reports changes again.
    ~DocumentBuilder();
    DocumentBuilder(const DocumentBuilder&) = delete;
    DocumentBuilder& operator=(const DocumentBuilder&) = delete;

    /// Appends 8-bit text in the code page of chars' font; control bytes other than tab are
    /// dropped.
    void pushBytes(std::string_view bytes, const CharState& chars, const ParaState& para);
    void pushChar(char32_t c, const CharState& chars, const ParaState& para);
    /// Ends the current paragraph (\par) and gives it para's properties.
    void endParagraph(const ParaState& para);
    /// Writes what is pending; drops the empty paragraph a final \par opens.
    void finish();

private:
    void prepare(const CharState& chars, const ParaState& para);
    void flushRun();
    const FontEntry* fontOf(const CharState& chars) const;
    QTextCharFormat charFormat(const CharState& chars) const;

    QTextCursor m_cursor;
    const FontTable& m_fonts;
    const ColorTable& m_colors;
    const DocumentInfo& m_info;
    ByteDecoder m_decoder;
    QString m_text;
    CharState m_chars;
    ParaState m_lastPara;
    bool m_blockHasText = false;
    bool m_endedParagraph = false;
};

/// The block format for a paragraph state (twips become layout pixels at 96 dpi).
QTextBlockFormat ToBlockFormat(const ParaState& para);

} // namespace rtf
