#include "rtf_test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

// Everything the reader can tell apart, per block and per run of equal formatting.
QStringList Describe(const QTextDocument& doc) {
    QStringList lines;
    for (const QTextBlock& b : Blocks(doc)) {
        QTextBlockFormat p = b.blockFormat();
        lines << QString("para %1 %2 %3 %4 %5 %6")
                     .arg(int(p.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(p.leftMargin())
                     .arg(p.rightMargin())
                     .arg(p.textIndent())
                     .arg(p.topMargin())
                     .arg(p.bottomMargin());
        QString last;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextCharFormat f = it.fragment().charFormat();
            QFont font = f.font().resolve(doc.defaultFont());
            QString format = QString("%1 %2 b%3 i%4 u%5 s%6 v%7 fg:%8 bg:%9")
                                 .arg(font.family())
                                 .arg(font.pointSizeF())
                                 .arg(font.bold())
                                 .arg(font.italic())
                                 .arg(font.underline())
                                 .arg(font.strikeOut())
                                 .arg(int(f.verticalAlignment()))
                                 .arg(f.foreground().style() ? f.foreground().color().name() : "")
                                 .arg(f.background().style() ? f.background().color().name() : "");
            if (format != last) lines << format;
            last = format;
            lines << "  " + it.fragment().text();
        }
    }
    return lines;
}

QTextCharFormat Chars(const char* family, qreal points) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    return f;
}

// A document with every property the writer keeps, including characters outside 1252.
void BuildRichDocument(QTextDocument& doc) {
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    c.insertText("Title ", Chars("Arial", 16));
    QTextCharFormat bold = Chars("Arial", 16);
    bold.setFontWeight(QFont::Bold);
    c.insertText("bold", bold);
    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignRight);
    indented.setLeftMargin(48);
    indented.setRightMargin(24);
    indented.setTextIndent(-12);
    indented.setTopMargin(6);
    indented.setBottomMargin(10);
    c.insertBlock(indented);
    QTextCharFormat styled = Chars("Courier New", 9.5);
    styled.setFontItalic(true);
    styled.setFontUnderline(true);
    styled.setFontStrikeOut(true);
    styled.setForeground(QColor(0x12, 0x34, 0x56));
    styled.setBackground(QColor(Qt::yellow));
    c.insertText(QString::fromUtf16(u"M\u00FCnchen \u20AC {x}\\y\tz\u2028next"), styled);
    QTextCharFormat super = Chars("Courier New", 9.5);
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText("2", super);
    QTextCharFormat sub = Chars("Courier New", 9.5);
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText("i", sub);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified);
    c.insertText(QString::fromUtf16(u"\u041F\u0440\u0438 \u4E2D \U0001F600 a\u00A0b\u00ADc\u2011d"),
                 Chars("Liberation Serif", 12));
    c.insertBlock(QTextBlockFormat());
    c.insertBlock(QTextBlockFormat()); // two empty paragraphs, the last one final
}

TEST(RtfWrite, ReadsBackAsTheSameDocument) {
    QTextDocument original;
    BuildRichDocument(original);
    QByteArray bytes = rtf::Write(original);
    QTextDocument copy;
    ASSERT_TRUE(rtf::Read(bytes, copy));
    EXPECT_EQ(Describe(copy), Describe(original)) << bytes.toStdString();
    EXPECT_EQ(rtf::Write(copy), bytes); // stable: a second round changes nothing
}

TEST(RtfWrite, OutputIsSevenBitRtfWithTablesFirst) {
    QTextDocument doc;
    BuildRichDocument(doc);
    QByteArray bytes = rtf::Write(doc);
    EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(bytes.endsWith("}"));
    EXPECT_LT(bytes.indexOf("{\\fonttbl"), bytes.indexOf("{\\colortbl"));
    EXPECT_LT(bytes.indexOf("{\\colortbl"), bytes.indexOf("\\pard"));
    for (char c : bytes)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_TRUE(bytes.contains("M\\'fcnchen \\'80 \\{x\\}\\\\y\\tab z\\line next"));
    EXPECT_TRUE(bytes.contains("\\u1055?\\u1088?\\u1080? \\u20013? \\u-10179?\\u-8704?"));
    EXPECT_TRUE(bytes.contains("a\\~b\\-c\\_d"));
    EXPECT_TRUE(bytes.contains("\\red18\\green52\\blue86;"));
}

TEST(RtfWrite, FontNamesOutsideCp1252SurviveTheRoundTrip) {
    QTextDocument doc;
    const QString mincho = QString::fromUtf16(u"\uFF2D\uFF33 \u660E\u671D");
    QTextCursor cursor(&doc);
    cursor.insertText("x", Chars("M\xc3\xbcller Sans", 10));
    cursor.insertText("y", Chars(mincho.toUtf8().constData(), 10));
    QTextDocument copy;
    ASSERT_TRUE(rtf::Read(rtf::Write(doc), copy));
    EXPECT_EQ(FormatAt(copy, 0).fontFamilies().toStringList(),
              QStringList{QString::fromUtf16(u"M\u00FCller Sans")});
    EXPECT_EQ(FormatAt(copy, 1).fontFamilies().toStringList(), QStringList{mincho});
}

TEST(RtfWrite, IndentLevelsBecomeLeftMargins) {
    QTextDocument doc;
    QTextBlockFormat indented;
    indented.setIndent(2);
    indented.setLeftMargin(10);
    QTextCursor(&doc).setBlockFormat(indented);
    QTextDocument copy;
    ASSERT_TRUE(rtf::Read(rtf::Write(doc), copy));
    EXPECT_EQ(copy.begin().blockFormat().leftMargin(), 10 + 2 * doc.indentWidth());
}

TEST(RtfWrite, LinksBecomeHyperlinkFields) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText("see ");
    QTextCharFormat link = Chars("Arial", 10);
    link.setAnchor(true);
    link.setFontItalic(true);
    link.setAnchorHref(R"(https://x.org/a"b\c)");
    cursor.insertText("here", link);
    link.setAnchorHref("#notes");
    cursor.insertText("there", link);
    cursor.insertText(" now", QTextCharFormat());
    QTextDocument copy;
    ASSERT_TRUE(rtf::Read(rtf::Write(doc), copy));
    EXPECT_EQ(copy.toPlainText(), "see herethere now");
    EXPECT_EQ(FormatAt(copy, 4).anchorHref(), "https://x.org/a%22b\\c");
    EXPECT_TRUE(FormatAt(copy, 4).fontItalic());
    EXPECT_EQ(FormatAt(copy, 8).anchorHref(), "#notes");
    EXPECT_FALSE(FormatAt(copy, 13).isAnchor());
    EXPECT_FALSE(FormatAt(copy, 13).fontItalic()); // the field's group ended the italics
}

TEST(RtfWrite, ListItemsKeepTheirMarkersAsText) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText("intro");
    cursor.insertList(QTextListFormat::ListDisc);
    cursor.insertText("one");
    cursor.insertBlock();
    cursor.insertText("two");
    cursor.insertList(QTextListFormat::ListDecimal);
    cursor.insertText("three");
    QTextDocument copy;
    ASSERT_TRUE(rtf::Read(rtf::Write(doc), copy));
    EXPECT_EQ(copy.toPlainText(),
              QString::fromUtf16(u"intro\n\u2022\tone\n\u2022\ttwo\n1.\tthree"));
    auto blocks = Blocks(copy);
    EXPECT_EQ(blocks[0].blockFormat().leftMargin(), 0);
    EXPECT_EQ(blocks[1].blockFormat().leftMargin(), doc.indentWidth());
    EXPECT_EQ(blocks[3].blockFormat().leftMargin(), doc.indentWidth());
}

TEST(RtfWrite, EmptyDocumentStaysEmpty) {
    QTextDocument doc;
    QTextDocument copy;
    QTextCursor(&copy).insertText("something");
    ASSERT_TRUE(rtf::Read(rtf::Write(doc), copy));
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(copy.blockCount(), 1);
}

TEST(RtfWrite, ForeignDocumentsSurviveOurRoundTrip) {
    for (const char* name : {"wordpad.rtf", "libreoffice.rtf"}) {
        QTextDocument original;
        ASSERT_TRUE(rtf::Read(Fixture(name), original)) << name;
        QTextDocument copy;
        ASSERT_TRUE(rtf::Read(rtf::Write(original), copy));
        EXPECT_EQ(Describe(copy), Describe(original)) << name;
    }
}

// libreoffice_resaved.rtf is LibreOffice 7.4's RTF export of our writer's output for the
// rich document: both programs must agree on what the file says.
TEST(RtfWrite, LibreOfficeReadsWhatWeWrote) {
    QTextDocument original;
    BuildRichDocument(original);
    QTextDocument resaved;
    ASSERT_TRUE(rtf::Read(Fixture("libreoffice_resaved.rtf"), resaved));
    EXPECT_EQ(Describe(resaved), Describe(original));
}

TEST(RtfWrite, ParagraphMarksAreNeverRaised) {
    QTextDocument doc;
    QTextCharFormat super;
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTextCursor(&doc).insertText("x", super);
    EXPECT_TRUE(rtf::Write(doc).contains("\\super x\\nosupersub\\par"));
}

} // namespace
} // namespace rtf::test
