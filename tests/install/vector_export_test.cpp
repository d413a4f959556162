// `kelvane --render FILE --svg|--pdf OUT` on real pictures: well-formed, texts kept as text,
// the PDF one page of the picture's size.

#include "desktop_process.h"

#include "metaview/emf_doc.h"
#include "metaview/picture_export.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Sample {
    const char* file;
    const char* word; // a text the picture shows
};

const Sample kSamples[] = {
    {"kakwa-libemf2svg/emf/test-001.emf", "BUFFET"},
    {"caolanm-libwmf/examples/Eg.wmf", "TinyPictures"},
};

void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.file;
}

// Texts are drawn a character at a time; the words show once the spaces are gone.
QString Squeezed(QString text) {
    return text.remove(QRegularExpression("\\s"));
}

class VectorExport : public ::testing::TestWithParam<Sample> {
protected:
    void SetUp() override {
        input = CorpusFile(GetParam().file);
        if (input.isEmpty()) GTEST_SKIP() << "../shared/corpus is not here";
    }
    ProcessResult Render(const char* option, const QString& output) {
        return RunProcess(KELVANE_EXE, {"--render", input, option, output});
    }
    QString input;
    QTemporaryDir dir;
};

TEST_P(VectorExport, SvgIsWellFormedWithItsTexts) {
    const QString out = dir.filePath("picture.svg");
    const ProcessResult r = Render("--svg", out);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString texts, root;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (root.isEmpty()) root = xml.name().toString();
        if (xml.name() == u"text") texts += xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, "svg");
    EXPECT_TRUE(Squeezed(texts).contains(GetParam().word)) << texts.toStdString();
    if (HaveTool("xmllint")) EXPECT_EQ(RunProcess("xmllint", {"--noout", out}).exitCode, 0);
}

TEST_P(VectorExport, PdfIsOnePageTheSizeOfTheFrameWithItsTexts) {
    const QString out = dir.filePath("picture.pdf");
    const ProcessResult r = Render("--pdf", out);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    if (!HaveTool("pdftotext") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils is not installed";
    const ProcessResult text = RunProcess("pdftotext", {out, "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(Squeezed(text.out).contains(GetParam().word)) << text.out.toStdString();

    const ProcessResult info = RunProcess("pdfinfo", {out});
    EXPECT_TRUE(info.out.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.out.toStdString();
    const auto size = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info.out);
    ASSERT_TRUE(size.hasMatch()) << info.out.toStdString();
    CEMFDoc doc;
    std::string error;
    ASSERT_TRUE(doc.OnOpenDocument(input.toStdString(), error)) << error;
    const QSizeF mm = metaview::PictureSizeMm(doc.Data().Header());
    EXPECT_NEAR(size.captured(1).toDouble(), mm.width() / 25.4 * 72, 1);
    EXPECT_NEAR(size.captured(2).toDouble(), mm.height() / 25.4 * 72, 1);
}

INSTANTIATE_TEST_SUITE_P(Corpus, VectorExport, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return info.index == 0 ? "Emf" : "Wmf"; });

TEST(VectorExportErrors, BadInputLeavesNoFileAndOneLine) {
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.emf"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    for (const char* option : {"--svg", "--pdf"}) {
        const QString out = dir.filePath("out");
        const ProcessResult r = RunProcess(KELVANE_EXE, {"--render", junk.fileName(), option, out});
        EXPECT_EQ(r.exitCode, 1) << option;
        EXPECT_FALSE(QFile::exists(out)) << option;
        const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts).filter("kelvane:");
        EXPECT_EQ(lines.size(), 1) << r.err.toStdString();
    }
    // Sizes are for pixels; a vector copy has the picture's own.
    EXPECT_EQ(
        RunProcess(KELVANE_EXE, {"--render", junk.fileName(), "--svg", "x.svg", "--width", "10"})
            .exitCode,
        2);
}

} // namespace
