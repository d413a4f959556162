// `kelvane --render FILE --svg|--pdf OUT` on real pictures: well-formed, texts kept as text,
// the PDF one page of the picture's size.

#include "desktop_process.h"

#include "emf/emf_builder.h"
#include "metaview/document/emf_doc.h"
#include "metaview/export/picture_export.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
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

// The rightmost column with dark pixels.
int InkRight(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
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

// The SVG is read back as a browser would draw it and must agree with the picture drawn
// directly; a narrowed font is where SVG output most easily goes wrong.
TEST(VectorExportDrawing, SvgAgreesWithTheImageOnNarrowedText) {
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 10000, 2500});
    emf::LogFontW font;
    font.height = -60;
    font.width = 12; // about half the face's own width
    font.faceName = u"Arial";
    b.ExtCreateFontIndirectW(1, font);
    b.SelectObject(1);
    b.ExtTextOutW({10, 10}, u"WWWWWWWW");
    b.SetBounds({0, 0, 400, 100});
    const emf::PictureResult result = b.Picture();
    ASSERT_TRUE(result.picture);
    const QImage direct = metaview::PictureToImage(*result.picture, QSize(400, 100));
    QSvgRenderer svg(metaview::PictureToSvg(*result.picture, "narrow"));
    ASSERT_TRUE(svg.isValid());
    QImage read(direct.size(), QImage::Format_RGB32);
    read.fill(Qt::white);
    QPainter painter(&read);
    svg.render(&painter);
    painter.end();
    const int inkEnd = InkRight(direct);
    EXPECT_GT(inkEnd, 50);
    EXPECT_NEAR(InkRight(read), inkEnd, inkEnd / 20);
}

// Read back by a browser-grade renderer: Qt's own SVG renderer knows no clip paths.
TEST(VectorExportDrawing, SvgKeepsClipping) {
    if (!HaveTool("rsvg-convert")) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 10000, 10000});
    b.SetBounds({0, 0, 100, 100});
    const std::int32_t clip[] = {0, 0, 50, 100}; // EMR_INTERSECTCLIPRECT: the left half
    b.AddRecord(30, emf::Bytes(reinterpret_cast<const std::byte*>(clip), sizeof clip));
    b.CreateBrushIndirect(1, 0, 0x0000FF);
    b.SelectObject(1);
    b.Rectangle({0, 0, 100, 100});
    const emf::PictureResult result = b.Picture();
    ASSERT_TRUE(result.picture);
    QTemporaryDir dir;
    QFile svg(dir.filePath("clip.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(metaview::PictureToSvg(*result.picture, "clip"));
    svg.close();
    const QString png = dir.filePath("clip.png");
    const ProcessResult r =
        RunProcess("rsvg-convert", {"-w", "100", "-b", "white", "-o", png, svg.fileName()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage read = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage direct = metaview::PictureToImage(*result.picture, read.size());
    int red = 0, differ = 0;
    for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x) {
            red += direct.pixelColor(x, y) == Qt::red;
            differ += qAbs(qRed(direct.pixel(x, y)) - qRed(read.pixel(x, y))) +
                          qAbs(qGreen(direct.pixel(x, y)) - qGreen(read.pixel(x, y))) >
                      64;
        }
    EXPECT_GT(red, 50); // the clipped half of the rectangle
    EXPECT_LT(differ, read.width() * read.height() / 50) << "the SVG shows what the clip hides";
}

} // namespace
