#include "rtf/writer.h"

#include "rtf/text_escape.h"

#include <QBrush>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace rtf {

namespace {

constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch
constexpr int kMaxHalfPoints = 3276;

void AppendWord(QByteArray& out, const char* word, int value) {
    out += word;
    out += QByteArray::number(value);
}

void AppendTwips(QByteArray& out, const char* word, qreal pixels) {
    int twips = qRound(pixels * kTwipsPerPixel);
    if (twips != 0) AppendWord(out, word, twips);
}

const char* AlignmentWord(Qt::Alignment alignment) {
    switch (alignment & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) {
    case Qt::AlignHCenter:
        return "\\qc";
    case Qt::AlignRight:
        return "\\qr";
    case Qt::AlignJustify:
        return "\\qj";
    default:
        return "";
    }
}

const char* VerticalWord(QTextCharFormat::VerticalAlignment v) {
    switch (v) {
    case QTextCharFormat::AlignSuperScript:
        return "\\super";
    case QTextCharFormat::AlignSubScript:
        return "\\sub";
    default:
        return "\\nosupersub";
    }
}

// itemText() gives only a suffix for bullet styles.
QString BulletOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDisc:
        return QString(QChar(0x2022));
    case QTextListFormat::ListCircle:
        return QString(QChar(0x25E6));
    case QTextListFormat::ListSquare:
        return QString(QChar(0x25AA));
    default:
        return {};
    }
}

int HalfPoints(const QFont& font) {
    qreal points = font.pointSizeF();
    if (points <= 0) points = font.pixelSize() * 72.0 / 96.0;
    if (points <= 0) return kDefaultHalfPoints;
    return std::clamp(qRound(points * 2), 1, kMaxHalfPoints);
}

} // namespace

Writer::Writer(const QTextDocument& doc) : m_doc(doc) {
    m_fonts.append(doc.defaultFont().family());
    m_last.font = 0;
}

QByteArray Writer::run() {
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    return header() + m_body + "}";
}

QByteArray Writer::header() const {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        AppendWord(out, "{\\f", int(i));
        out += "\\fnil\\fcharset0 ";
        AppendEscaped(out, QString(m_fonts[i]).remove(';'));
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (QRgb c : m_colors) {
        AppendWord(out, "\\red", qRed(c));
        AppendWord(out, "\\green", qGreen(c));
        AppendWord(out, "\\blue", qBlue(c));
        out += ';';
    }
    out += "}\r\n";
    return out;
}

void Writer::writeBlock(const QTextBlock& block) {
    writeParagraph(block);
    writeListMarker(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const QTextCharFormat format = fragment.charFormat();
        if (format.isAnchor() && !format.anchorHref().isEmpty())
            writeLink(fragment);
        else
            writeRun(fragment);
    }
    // LibreOffice moves the paragraph break when the paragraph mark itself is raised.
    if (m_last.vertical != QTextCharFormat::AlignNormal) {
        m_body += VerticalWord(QTextCharFormat::AlignNormal);
        m_last.vertical = QTextCharFormat::AlignNormal;
    }
    m_body += "\\par\r\n";
}

// RTF lists need list tables; an item keeps its marker as text instead.
void Writer::writeListMarker(const QTextBlock& block) {
    const QTextList* list = block.textList();
    if (!list) return;
    QString marker = BulletOf(list->format().style());
    if (marker.isEmpty()) marker = list->itemText(block);
    writeChars(stateOf(block.charFormat()));
    AppendEscaped(m_body, marker + QLatin1Char('\t'));
}

void Writer::writeRun(const QTextFragment& fragment) {
    writeChars(stateOf(fragment.charFormat()));
    AppendEscaped(m_body, fragment.text());
}

// A link is a HYPERLINK field whose result is the fragment; "#name" targets a bookmark (\l).
void Writer::writeLink(const QTextFragment& fragment) {
    QString target = fragment.charFormat().anchorHref();
    m_body += "{\\field{\\*\\fldinst HYPERLINK ";
    if (target.startsWith('#')) {
        m_body += "\\\\l ";
        target.remove(0, 1);
    }
    m_body += '"';
    AppendEscaped(m_body, target.replace('"', QLatin1String("%22")));
    m_body += "\"}{\\fldrslt ";
    const CharState outside = m_last; // the groups restore it for the reader
    writeRun(fragment);
    m_body += "}}";
    m_last = outside;
}

void Writer::writeParagraph(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    m_body += "\\pard";
    m_body += AlignmentWord(format.alignment());
    // QTextEdit's indent levels, a list's among them, are a left margin of indentWidth() each.
    int levels = format.indent() + (block.textList() ? block.textList()->format().indent() : 0);
    AppendTwips(m_body, "\\li", format.leftMargin() + levels * m_doc.indentWidth());
    AppendTwips(m_body, "\\ri", format.rightMargin());
    AppendTwips(m_body, "\\fi", format.textIndent());
    AppendTwips(m_body, "\\sb", format.topMargin());
    AppendTwips(m_body, "\\sa", format.bottomMargin());
    m_body += ' ';
}

void Writer::writeChars(const CharState& c) {
    const qsizetype start = m_body.size();
    if (c.font != m_last.font) AppendWord(m_body, "\\f", c.font);
    if (c.halfPoints != m_last.halfPoints) AppendWord(m_body, "\\fs", c.halfPoints);
    if (c.bold != m_last.bold) m_body += c.bold ? "\\b" : "\\b0";
    if (c.italic != m_last.italic) m_body += c.italic ? "\\i" : "\\i0";
    if (c.underline != m_last.underline) m_body += c.underline ? "\\ul" : "\\ulnone";
    if (c.strike != m_last.strike) m_body += c.strike ? "\\strike" : "\\strike0";
    if (c.foreground != m_last.foreground) AppendWord(m_body, "\\cf", c.foreground);
    if (c.background != m_last.background) AppendWord(m_body, "\\highlight", c.background);
    if (c.vertical != m_last.vertical) m_body += VerticalWord(c.vertical);
    if (m_body.size() != start) m_body += ' ';
    m_last = c;
}

CharState Writer::stateOf(const QTextCharFormat& format) {
    const QFont font = format.font().resolve(m_doc.defaultFont());
    CharState c;
    c.font = fontIndex(font.family());
    c.halfPoints = HalfPoints(font);
    c.bold = font.bold();
    c.italic = font.italic();
    c.underline = font.underline();
    c.strike = font.strikeOut();
    c.foreground = colorIndex(format.foreground());
    c.background = colorIndex(format.background());
    c.vertical = format.verticalAlignment();
    if (c.vertical != QTextCharFormat::AlignSuperScript &&
        c.vertical != QTextCharFormat::AlignSubScript)
        c.vertical = QTextCharFormat::AlignNormal;
    return c;
}

int Writer::fontIndex(const QString& family) {
    qsizetype i = m_fonts.indexOf(family);
    if (i < 0) {
        m_fonts.append(family);
        i = m_fonts.size() - 1;
    }
    return int(i);
}

int Writer::colorIndex(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush) return 0;
    QRgb rgb = brush.color().rgb();
    qsizetype i = m_colors.indexOf(rgb);
    if (i < 0) {
        m_colors.append(rgb);
        i = m_colors.size() - 1;
    }
    return int(i) + 1;
}

} // namespace rtf
