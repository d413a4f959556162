#include "rtf_test_support.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

TEST(RtfHostile, UnbalancedBracesKeepWhatWasRead) {
    QTextDocument doc;
    EXPECT_EQ(Load(R"({\rtf1 a}b}c)", doc), "a"); // nothing after the document's group
    EXPECT_EQ(Load(R"({\rtf1 {\b a)", doc), "a");
    EXPECT_TRUE(FormatAt(doc, 0).font().bold());
    EXPECT_EQ(Load(R"({\rtf1 a}}}}})", doc), "a");
}

TEST(RtfHostile, EveryTruncationOfARealDocumentLoads) {
    const QByteArray full = Fixture("libreoffice.rtf");
    ASSERT_FALSE(full.isEmpty());
    QTextDocument whole;
    rtf::Read(full, whole);
    QTextDocument doc;
    for (qsizetype n = 5; n <= full.size(); ++n) { // shorter is not "{\rtf" yet
        rtf::Read(full.left(n), doc);
        // A cut drops text; only a cut number (\u836 of \u8364) may change the last character.
        QString text = doc.toPlainText().remove('\n');
        text.chop(1);
        ASSERT_TRUE(whole.toPlainText().remove('\n').startsWith(text)) << n;
    }
}

TEST(RtfHostile, DeepNestingIsFlattenedNotRecursed) {
    constexpr int kDepth = 200000;
    std::string text =
        R"({\rtf1 )" + std::string(kDepth, '{') + R"(\b x)" + std::string(kDepth, '}') + " y}";
    QTextDocument doc;
    EXPECT_EQ(Load(text, doc), "x y");
    EXPECT_TRUE(FormatAt(doc, 0).font().bold());
    EXPECT_FALSE(FormatAt(doc, 2).font().bold());
}

TEST(RtfHostile, HugeNumbersAreClamped) {
    QTextDocument doc;
    ASSERT_EQ(Load(R"({\rtf1\fs99999999999999999999 a\fs-5 b\li-99999999999\fi99999999999 c)"
                   R"(\u99999999999 d\uc2147483647\u65 efghijklmnopqrstuvwxyz})",
                   doc),
              "abcAuvwxyz"); // \uc is capped at 16
    EXPECT_EQ(FormatAt(doc, 0).fontPointSize(), 1638);
    EXPECT_EQ(FormatAt(doc, 1).fontPointSize(), 12);
    EXPECT_EQ(doc.begin().blockFormat().leftMargin(), -22 * 96);
    EXPECT_EQ(doc.begin().blockFormat().textIndent(), 22 * 96);
}

TEST(RtfHostile, MalformedEscapesAndBinaryLengths) {
    QTextDocument doc;
    EXPECT_EQ(Load(R"({\rtf1 a\'zzb\'4)", doc), "azzb");
    EXPECT_EQ(Load(R"({\rtf1 a\)", doc), "a");
    EXPECT_EQ(Load(R"({\rtf1 a\bin99999999999 b})", doc), "a");
    EXPECT_EQ(Load(R"({\rtf1 a\bin-5 b})", doc), "ab");
    EXPECT_EQ(Load(std::string("{\\rtf1 a\0b\x01"
                               "c}",
                               12),
                   doc),
              "abc");
    EXPECT_EQ(Load(R"({\rtf1 )" + std::string(100, 'x') + "yz}", doc).size(), 102);
}

TEST(RtfHostile, LongControlWordsAreCutNotTrusted) {
    QTextDocument doc;
    std::string word(100000, 'b');
    EXPECT_EQ(Load(R"({\rtf1 \)" + word + R"( a\par\)" + word + "1 b}", doc), "a\nb");
    EXPECT_FALSE(FormatAt(doc, 0).font().bold());
}

// Without one edit block around the build, every insert laid out its whole paragraph again:
// 20000 runs took most of a minute.
TEST(RtfHostile, ManyRunsInOneParagraphLoadInLinearTime) {
    std::string text = R"({\rtf1 )";
    for (int i = 0; i < 20000; ++i)
        text += R"(\b a\b0 b)";
    QElapsedTimer timer;
    timer.start();
    QTextDocument doc;
    EXPECT_EQ(Load(text + "}", doc).size(), 40000);
    EXPECT_LT(timer.elapsed(), 10000 * KORVEL_SLOWDOWN);
}

} // namespace
} // namespace rtf::test
