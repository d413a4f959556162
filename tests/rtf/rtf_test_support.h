#pragma once
// Helpers for the RTF tests: load a string, look at runs and blocks.

#include "rtf/rtf.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

#include <ostream>
#include <string>
#include <vector>

namespace rtf::test {

/// One fragment: its text and the character format the reader gave it.
struct Run {
    QString text;
    QTextCharFormat format;
};

inline std::vector<Run> Runs(const QTextDocument& doc) {
    std::vector<Run> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

inline std::vector<QTextBlock> Blocks(const QTextDocument& doc) {
    std::vector<QTextBlock> blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks.push_back(b);
    return blocks;
}

/// The format of the character at position (0-based) in the document's text.
inline QTextCharFormat FormatAt(const QTextDocument& doc, int position) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(position + 1);
    return c.charFormat();
}

/// A file of tests/data/rtf.
inline QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(KORVEL_TEST_DATA_DIR "/rtf/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString Load(const std::string& rtfText, QTextDocument& doc) {
    rtf::Read(QByteArray::fromStdString(rtfText), doc);
    return doc.toPlainText();
}

} // namespace rtf::test

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
