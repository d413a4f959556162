#pragma once
// The formatting state the reader keeps per RTF group.

#include "rtf/code_page.h"

#include <QTextCharFormat>

namespace rtf {

inline constexpr int kDefaultHalfPoints = 24; // RTF's default \fs

/// Character properties in RTF units (\fs half-points, table indexes).
struct CharState {
    int font = -1; ///< \f number; -1 is the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int foreground = 0; ///< colour table index; 0 is automatic
    int background = 0;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    QString href; ///< the target of the HYPERLINK field the text is the result of
    bool operator==(const CharState&) const = default;
};

/// Paragraph properties in RTF units (twips).
struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool operator==(const ParaState&) const = default;
};

/// Document-wide settings read from the RTF header.
struct DocumentInfo {
    int codePage = kDefaultCodePage; ///< \ansicpg
    int defaultFont = 0;             ///< \deff
};

/// Where the text of a group goes.
enum class Destination { Text, Skip, FontTable, ColorTable, FieldInstruction };

/// Everything a closing brace restores.
struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int fallbackCount = 1; ///< \uc: bytes that stand in for each \u character
    bool starred = false;  ///< \* was seen and no control word since
};

} // namespace rtf
