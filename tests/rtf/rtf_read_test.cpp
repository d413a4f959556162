#include "rtf_test_support.h"

#include <QTextBlock>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

TEST(RtfRead, CharacterTogglesSwitchOnAndOff) {
    QTextDocument doc;
    ASSERT_EQ(
        Load(R"({\rtf1 n\b b\b0 n\i i\i0 n\ul u\ulnone n\uldb u\ul0 n\strike s\strike0 n})", doc),
        "nbninununsn");
    EXPECT_TRUE(FormatAt(doc, 1).font().bold());
    EXPECT_FALSE(FormatAt(doc, 2).font().bold());
    EXPECT_TRUE(FormatAt(doc, 3).fontItalic());
    EXPECT_FALSE(FormatAt(doc, 4).fontItalic());
    EXPECT_TRUE(FormatAt(doc, 5).fontUnderline());
    EXPECT_FALSE(FormatAt(doc, 6).fontUnderline());
    EXPECT_TRUE(FormatAt(doc, 7).fontUnderline());
    EXPECT_FALSE(FormatAt(doc, 8).fontUnderline());
    EXPECT_TRUE(FormatAt(doc, 9).fontStrikeOut());
    EXPECT_FALSE(FormatAt(doc, 10).fontStrikeOut());
}

TEST(RtfRead, ClosingGroupRestoresFormattingAndPlainResets) {
    QTextDocument doc;
    ASSERT_EQ(Load(R"({\rtf1 a{\b b{\i c}d}e\b\i\fs40 f\plain g})", doc), "abcdefg");
    EXPECT_FALSE(FormatAt(doc, 0).font().bold());
    EXPECT_TRUE(FormatAt(doc, 2).font().bold());
    EXPECT_TRUE(FormatAt(doc, 2).fontItalic());
    EXPECT_TRUE(FormatAt(doc, 3).font().bold());
    EXPECT_FALSE(FormatAt(doc, 3).fontItalic());
    EXPECT_FALSE(FormatAt(doc, 4).font().bold());
    EXPECT_EQ(FormatAt(doc, 5).fontPointSize(), 20);
    EXPECT_FALSE(FormatAt(doc, 6).font().bold());
    EXPECT_EQ(FormatAt(doc, 6).fontPointSize(), 12);
}

TEST(RtfRead, FontTableGivesFamiliesAndDefaultFont) {
    QTextDocument doc;
    Load(R"({\rtf1\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;})"
         R"({\f2{\*\panose 020b0604}Courier New{\*\falt Courier};}}d\f0 t\f2\fs17 c\plain d\f9 x})",
         doc);
    EXPECT_EQ(FormatAt(doc, 0).fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatAt(doc, 1).fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatAt(doc, 2).fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(FormatAt(doc, 2).fontPointSize(), 8.5);
    EXPECT_EQ(FormatAt(doc, 3).fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_FALSE(FormatAt(doc, 4).hasProperty(QTextFormat::FontFamilies)); // no such font
}

TEST(RtfRead, ColourTableGivesTextAndBackgroundColours) {
    QTextDocument doc;
    Load(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;\red999\green-5\blue7;})"
         R"(\cf1 r\cf0 a\highlight2 h\highlight0\cb1 b\cb0\cf3 c\cf17 u})",
         doc);
    EXPECT_EQ(FormatAt(doc, 0).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(doc, 1).foreground().style(), Qt::NoBrush); // 0 is automatic
    EXPECT_EQ(FormatAt(doc, 2).background().color(), QColor(Qt::blue));
    EXPECT_EQ(FormatAt(doc, 3).background().color(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(doc, 4).foreground().color(), QColor(255, 0, 7)); // clamped components
    EXPECT_EQ(FormatAt(doc, 5).foreground().style(), Qt::NoBrush);       // beyond the table
}

TEST(RtfRead, ParagraphPropertiesApplyToTheirParagraphUntilPard) {
    QTextDocument doc;
    Load(R"({\rtf1\qc centre\par\qr\li1440\ri720\fi-360\sb300\sa150 right\par left\pard\par)"
         R"(\qj just\par})",
         doc);
    auto blocks = Blocks(doc);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[0].blockFormat().alignment(), Qt::AlignHCenter);
    QTextBlockFormat right = blocks[1].blockFormat();
    EXPECT_EQ(right.alignment(), Qt::AlignRight);
    EXPECT_EQ(right.leftMargin(), 96);
    EXPECT_EQ(right.rightMargin(), 48);
    EXPECT_EQ(right.textIndent(), -24);
    EXPECT_EQ(right.topMargin(), 20);
    EXPECT_EQ(right.bottomMargin(), 10);
    EXPECT_EQ(blocks[2].text(), "left"); // \pard before its \par resets it
    EXPECT_EQ(blocks[2].blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(blocks[2].blockFormat().leftMargin(), 0);
    EXPECT_EQ(blocks[3].blockFormat().alignment(), Qt::AlignJustify);
}

TEST(RtfRead, FinalParDoesNotOpenAnEmptyParagraph) {
    QTextDocument doc;
    EXPECT_EQ(Load(R"({\rtf1 a\par})", doc), "a");
    EXPECT_EQ(Load(R"({\rtf1 a\par\par})", doc), "a\n");
    EXPECT_EQ(Load(R"({\rtf1 a\par b})", doc), "a\nb");
    EXPECT_EQ(Load(R"({\rtf1 \qc a\par})", doc), "a");
    EXPECT_EQ(doc.begin().blockFormat().alignment(), Qt::AlignHCenter);
}

TEST(RtfRead, SpecialCharactersAndEscapes) {
    QTextDocument doc;
    Load(R"({\rtf1 a\line b\tab c\~d\-e\_f \{\}\\ \emdash\endash\bullet\lquote\rquote)"
         "\r\n\\ldblquote\\rdblquote\r\nx\\\r\ny}",
         doc);
    EXPECT_EQ(doc.toRawText(),
              QString::fromUtf16(u"a\u2028b\tc\u00A0d\u00ADe\u2011f {}\\ "
                                 u"\u2014\u2013\u2022\u2018\u2019\u201C\u201Dx\u2029y"));
}

TEST(RtfRead, HexBytesUseTheDocumentCodePage) {
    QTextDocument doc;
    EXPECT_EQ(Load(R"({\rtf1\ansi M\'fcnchen \'80\'85\'9f})", doc),
              QString::fromUtf16(u"M\u00FCnchen \u20AC\u2026\u0178"));
    EXPECT_EQ(Load(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", doc),
              QString::fromUtf16(u"\u041F\u0440\u0438"));
    EXPECT_EQ(Load(R"({\rtf1\ansi\ansicpg932 \'82\'a0\'82\'a2})", doc),
              QString::fromUtf16(u"\u3042\u3044"));
    EXPECT_EQ(Load(R"({\rtf1\ansi\ansicpg99999 \'e9})", doc), QString::fromUtf16(u"\u00E9"));
}

TEST(RtfRead, FontCharsetOverridesTheDocumentCodePage) {
    QTextDocument doc;
    Load(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;})"
         R"({\f2\fcharset161 Arial Greek;}}\'e9\f1\'e9\f2\'e1\f0\'e9})",
         doc);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf16(u"\u00E9\u0439\u03B1\u00E9"));
}

struct UnicodeCase {
    const char* rtf;
    const char16_t* text;
};

// Names the case by its RTF, not by its bytes in memory, so test names stay the same.
void PrintTo(const UnicodeCase& c, std::ostream* os) { *os << c.rtf; }

class RtfUnicode : public testing::TestWithParam<UnicodeCase> {};

TEST_P(RtfUnicode, SkipsTheFallbackOfEachCharacter) {
    QTextDocument doc;
    EXPECT_EQ(Load(GetParam().rtf, doc), QString::fromUtf16(GetParam().text)) << GetParam().rtf;
}

INSTANTIATE_TEST_SUITE_P(Fallbacks, RtfUnicode,
                         testing::Values(UnicodeCase{R"({\rtf1 \u233e!})", u"\u00E9!"},
                                         UnicodeCase{R"({\rtf1\uc0 \u233 e!})", u"\u00E9e!"},
                                         UnicodeCase{R"({\rtf1\uc2 \u20013\'d6\'d0!})", u"\u4E2D!"},
                                         UnicodeCase{R"({\rtf1\uc2 \u20013 ab!})", u"\u4E2D!"},
                                         UnicodeCase{R"({\rtf1\uc1 \u8364\'80!})", u"\u20AC!"},
                                         UnicodeCase{R"({\rtf1 \u-10179?\u-8704?!})",
                                                     u"\U0001F600!"},
                                         UnicodeCase{R"({\rtf1 \u-3?!})", u"\uFFFD!"},
                                         UnicodeCase{R"({\rtf1 \u128512?!})", u"\U0001F600!"},
                                         UnicodeCase{R"({\rtf1 {\u233}!})", u"\u00E9!"},
                                         UnicodeCase{R"({\rtf1 {\uc3 }\u233 a!})", u"\u00E9!"},
                                         UnicodeCase{R"({\rtf1 \uc2\u233\'e9\tab!})", u"\u00E9!"}));

TEST(RtfRead, SkipsDestinationsThatAreNotText) {
    QTextDocument doc;
    EXPECT_EQ(Load(R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}})"
                   R"({\*\unknown x{\y z}}{\header H}{\footer F}{\pict\wmetafile8 0102ff})"
                   R"(a{\*\bkmkstart m}{\field{\*\fldinst HYPERLINK "u"}{\fldrslt b}}c})",
                   doc),
              "abc");
}

TEST(RtfRead, HyperlinkFieldsLinkTheirResult) {
    QTextDocument doc;
    ASSERT_EQ(Load(R"({\rtf1 a{\field{\*\fldinst{ HYPERLINK "https://x.org/?a=1" }})"
                   R"({\fldrslt{\ul link}}}b{\field{\*\fldinst HYPERLINK \\l "top" \\o "tip"})"
                   R"({\fldrslt up}}{\field{\*\fldinst PAGE}{\fldrslt 7}}})",
                   doc),
              "alinkbup7");
    EXPECT_FALSE(FormatAt(doc, 0).isAnchor());
    EXPECT_EQ(FormatAt(doc, 1).anchorHref(), "https://x.org/?a=1");
    EXPECT_TRUE(FormatAt(doc, 1).fontUnderline());
    EXPECT_FALSE(FormatAt(doc, 5).isAnchor());
    EXPECT_EQ(FormatAt(doc, 6).anchorHref(), "#top");
    EXPECT_FALSE(FormatAt(doc, 8).isAnchor()); // a page number is no link
}

TEST(RtfRead, HiddenAndPositionedText) {
    QTextDocument doc;
    ASSERT_EQ(Load(R"({\rtf1 a{\v hidden\u233?}b\super c\sub d\nosupersub e})", doc), "abcde");
    EXPECT_EQ(FormatAt(doc, 2).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(FormatAt(doc, 3).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatAt(doc, 4).verticalAlignment(), QTextCharFormat::AlignNormal);
}

TEST(RtfRead, BinaryDataIsSkippedWhole) {
    QTextDocument doc;
    EXPECT_EQ(Load("{\\rtf1 a{\\pict\\bin4 }}{\\}b}", doc), "ab");
}

TEST(RtfRead, WordPadDocument) {
    QTextDocument doc;
    ASSERT_TRUE(rtf::Read(Fixture("wordpad.rtf"), doc));
    EXPECT_EQ(doc.toPlainText(),
              QString::fromUtf16(u"CD-Sammlung\nAufnahme: Live in M\u00FCnchen, 1998\n"
                                 u"rot unterstrichen\nZentriert \u20AC 5,00\n"
                                 u"\u00B7\terster Punkt\n"
                                 u"\u041F\u0440\u0438\u0432\u0435\u0442"));
    EXPECT_TRUE(FormatAt(doc, 0).font().bold());
    EXPECT_EQ(FormatAt(doc, 0).fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_EQ(FormatAt(doc, 0).fontPointSize(), 11);
    EXPECT_TRUE(FormatAt(doc, 12).fontItalic());
    auto blocks = Blocks(doc);
    QTextCharFormat red = FormatAt(doc, blocks[2].position());
    EXPECT_EQ(red.foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(red.fontUnderline());
    EXPECT_EQ(blocks[3].blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blocks[4].blockFormat().leftMargin(), 48);
    EXPECT_EQ(blocks[4].blockFormat().textIndent(), -24);
}

TEST(RtfRead, LibreOfficeDocument) {
    QTextDocument doc;
    ASSERT_TRUE(rtf::Read(Fixture("libreoffice.rtf"), doc));
    EXPECT_EQ(doc.toPlainText(),
              QString::fromUtf16(u"Plain line with bold and italic text.\nBlue struck marked\n"
                                 u"\u041F\u0440\u0438\u0432\u0435\u0442 \u20AC and "
                                 u"\u4E2D example"));
    EXPECT_EQ(FormatAt(doc, 0).fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    EXPECT_TRUE(FormatAt(doc, 16).font().bold());
    auto blocks = Blocks(doc);
    EXPECT_EQ(blocks[1].blockFormat().alignment(), Qt::AlignRight);
    QTextCharFormat struck = FormatAt(doc, blocks[1].position());
    EXPECT_TRUE(struck.fontStrikeOut());
    EXPECT_EQ(struck.foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(FormatAt(doc, blocks[1].position() + 12).background().color(), QColor(Qt::yellow));
    EXPECT_EQ(blocks[2].blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_EQ(FormatAt(doc, blocks[2].position() + 19).anchorHref(), "https://example.org/");
}

TEST(RtfRead, TextThatIsNotRtfLoadsAsPlainText) {
    QTextDocument doc;
    EXPECT_FALSE(rtf::Read(QByteArray("Side A\r\nM\xfcnchen \x80\rend\n"), doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf16(u"Side A\nM\u00FCnchen \u20AC\nend\n"));
    EXPECT_FALSE(rtf::Read(QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf16(u"\u00E9t\u00E9"));
    EXPECT_FALSE(rtf::Read(QByteArray("{\\rtx1 a}"), doc));
    EXPECT_TRUE(rtf::Read(QByteArray("\r\n {\\rtf1 a}"), doc));
    EXPECT_EQ(doc.toPlainText(), "a");
}

TEST(RtfRead, ReplacesContentAndLeavesTheDocumentUnmodified) {
    QTextDocument doc;
    QTextCursor(&doc).insertText("old");
    ASSERT_TRUE(doc.isModified());
    EXPECT_TRUE(rtf::Read(QByteArray(R"({\rtf1 new})"), doc));
    EXPECT_EQ(doc.toPlainText(), "new");
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
}

TEST(RtfRead, EditsAfterReadingAreSeen) {
    QTextDocument doc;
    ASSERT_TRUE(rtf::Read(QByteArray(R"({\rtf1 Liner \b notes\b0 .\par})"), doc));
    int changes = 0;
    QObject::connect(&doc, &QTextDocument::contentsChanged, [&changes] { ++changes; });
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("More");
    EXPECT_GT(changes, 0);
    EXPECT_TRUE(doc.isModified());
}

} // namespace
} // namespace rtf::test
