// The print forms that come with the program: each placeholder one clipped text item inside
// the frame, every one of them filled when printed, nothing drawn outside the frame, and a
// label of each media type from the sample catalogue.
#include "label_fixture.h"

#include "catalog_app/settings/form_chooser_dialog.h"
#include "catalog_app/settings/installed_forms.h"
#include "catalog_app/ui/ui_text.h"
#include "labels/label_print_job.h"
#include "labels/print_form.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"
#include "emf/player/device_context.h"
#include "emf/record_types.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

constexpr int kEmrTextOffset = 8 + 16 + 12; // type, size, bounds, mode and scales

std::uint32_t U32(const emf::Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | std::uint32_t(b[at + std::size_t(i)]);
    return v;
}
std::int32_t I32(const emf::Bytes& b, std::size_t at) {
    return std::int32_t(U32(b, at));
}

struct FormText {
    QString text;
    std::uint32_t options;
    emf::RectL rect;
};

std::vector<FormText> PlaceholderTexts(const emf::EnhMetaFile& picture) {
    std::vector<FormText> texts;
    for (const emf::RecordView& r : picture.Records()) {
        if (r.type != emf::EMR_EXTTEXTOUTW) continue;
        const std::size_t t = kEmrTextOffset;
        const std::uint32_t chars = U32(r.data, t + 8), off = U32(r.data, t + 12);
        QString text;
        for (std::uint32_t i = 0; i < chars; ++i)
            text += QChar(char16_t(U32(r.data, off + 2 * i) & 0xFFFF));
        if (!text.startsWith('#')) continue;
        texts.push_back(
            {text,
             U32(r.data, t + 16),
             {I32(r.data, t + 20), I32(r.data, t + 24), I32(r.data, t + 28), I32(r.data, t + 32)}});
    }
    return texts;
}

std::optional<emf::EnhMetaFile> Open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    const auto* first = reinterpret_cast<const std::byte*>(data.constData());
    return emf::EnhMetaFile::FromBytes({first, first + data.size()}).picture;
}

// A medium that fills every placeholder with a text of its own: track k is "Nk", by "Pk",
// k:07 long.
CMedia* FullMedium(CCatalogue& catalogue, const std::string& title1, const std::string& tail) {
    CMedia* medium = catalogue.Media().AddMedia(title1, "Second" + tail, 0, 983923200, {});
    for (int k = 1; k <= 99; ++k) {
        const auto interpreter = catalogue.Interpreters()
                                     .FindOrAddInterpreter("P" + std::to_string(k) + tail)
                                     ->InterpreterIndex();
        medium->AddTrack("N" + std::to_string(k) + tail, std::uint32_t(k * 100 + 7), interpreter,
                         TRACK_APPEND);
    }
    return medium;
}

// The words a placeholder prints for FullMedium.
QStringList Expected(const QString& placeholder, const CMedia& medium) {
    const QChar letter = placeholder[1];
    const QString n = QString::number(placeholder.mid(2, 2).toInt());
    if (letter == 'X') return {"000000"};
    if (letter == 'D') return {ui::FormatDate(medium.CreationTime())};
    if (letter == 'M') return {ui::FormatLength(medium.TotalLength())};
    if (letter == 'L') return {placeholder == "#L01" ? "First" : "Second"};
    if (letter == 'N') return {"N" + n};
    if (letter == 'T') return {n + ":07"};
    if (letter == 'C') return {"N" + n, "P" + n};
    return {placeholder};
}

class ShippedForms : public ::testing::Test {
protected:
    void SetUp() override {
        forms = InstalledForms({QStringLiteral(KORVEL_BUILD_FORMS_DIR)});
        ASSERT_GE(forms.size(), 7u);
    }
    // Prints one label of medium with the form into a page large enough for any form.
    bool PrintTo(const QString& form, CCatalogue& catalogue, const CMedia* medium,
                 const QString& pdf) {
        CLabelPrintJob job(fx.Settings(), catalogue);
        if (job.LoadForms({medium}, form)) return false;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QSizeF(300, 200), QPageSize::Millimeter));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return job.Print(printer);
    }
    std::vector<InstalledForm> forms;
    LabelFixture fx;
};

// The forms kept in the repository are what their program draws today.
TEST_F(ShippedForms, AreWhatTheirProgramWrites) {
    QProcess maker;
    maker.start(QStringLiteral(KORVEL_FORM_MAKER), {fx.Path(QString())});
    ASSERT_TRUE(maker.waitForFinished(30000));
    ASSERT_EQ(maker.exitCode(), 0);
    for (const InstalledForm& form : forms) {
        const QString name = QFileInfo(form.path).fileName();
        QFile kept(QStringLiteral(KORVEL_EXAMPLES_DIR "/forms/") + name), made(fx.Path(name));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly) && made.open(QIODevice::ReadOnly));
        EXPECT_TRUE(kept.readAll() == made.readAll())
            << name.toStdString() << " is stale: run cmake --build build --target forms";
    }
}

TEST_F(ShippedForms, EveryPlaceholderIsOneClippedTextInsideTheFrame) {
    for (const InstalledForm& form : forms) {
        const auto picture = Open(form.path);
        ASSERT_TRUE(picture) << form.path.toStdString();
        const emf::RectL& frame = picture->Header().rclFrame;
        const auto texts = PlaceholderTexts(*picture);
        EXPECT_GE(texts.size(), 8u) << form.path.toStdString();
        for (const FormText& t : texts) {
            const std::string where = form.path.toStdString() + " " + t.text.toStdString();
            EXPECT_TRUE(t.text.size() == 2 || t.text.size() == 4) << where;
            EXPECT_TRUE(t.options & 0x4) << where; // ETO_CLIPPED
            EXPECT_TRUE(t.rect.left >= frame.left && t.rect.right <= frame.right &&
                        t.rect.top >= frame.top && t.rect.bottom <= frame.bottom)
                << where;
        }
    }
}

TEST_F(ShippedForms, EveryPlaceholderIsFilledWhenPrinted) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    CCatalogue catalogue;
    const CMedia* medium = FullMedium(catalogue, "First", "");
    for (const InstalledForm& form : forms) {
        const QString pdf = fx.Path(QFileInfo(form.path).completeBaseName() + ".pdf");
        ASSERT_TRUE(PrintTo(form.path, catalogue, medium, pdf)) << form.path.toStdString();
        const auto words = ReadPdfWords(pdf);
        ASSERT_TRUE(words);
        for (const FormText& t : PlaceholderTexts(*Open(form.path))) {
            for (const QString& word : Expected(t.text, *medium))
                EXPECT_TRUE(FindWord(*words, word))
                    << form.path.toStdString() << ": " << t.text.toStdString() << " -> "
                    << word.toStdString();
        }
        for (const PdfWord& w : *words)
            EXPECT_FALSE(w.text.startsWith('#')) << form.path.toStdString();
    }
}

// Titles far too long for any box: outside the form's rectangle the page stays white.
TEST_F(ShippedForms, NothingIsDrawnOutsideTheFrame) {
    CCatalogue catalogue;
    const std::string tail(120, 'W');
    const CMedia* medium = FullMedium(catalogue, "First" + tail, tail);
    for (const InstalledForm& form : forms) {
        const QRect target(20, 20, int(form.width * 4), int(form.height * 4));
        QImage image(target.size() + QSize(40, 40), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            emf::DeviceContext dc(painter);
            CPrintForm print(fx.Settings());
            ASSERT_TRUE(print.LoadForm(QFile::encodeName(form.path).toStdString()));
            print.BindMedium(catalogue, medium);
            print.PlayForm(dc, target);
        }
        int outside = 0, inside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = image.pixel(x, y) != qRgb(255, 255, 255);
                (target.adjusted(-1, -1, 1, 1).contains(x, y) ? inside : outside) += ink;
            }
        EXPECT_EQ(outside, 0) << form.path.toStdString();
        EXPECT_GT(inside, 1000) << form.path.toStdString();
    }
}

// A fresh install: each media type's own form prints the sample catalogue's medium of it.
TEST_F(ShippedForms, TheSampleCatalogueHasALabelOfEveryType) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    CCatalogue catalogue;
    ASSERT_TRUE(catalog::LoadCatalogueFile(catalogue, KORVEL_EXAMPLES_DIR "/sample.mvr").ok());
    for (int type = 0; type < 7; ++type) {
        const CMedia* medium = nullptr;
        for (const CMedia& m : catalogue.Media())
            if (!medium && m.MediaType() == type) medium = &m;
        ASSERT_TRUE(medium) << type;
        const auto own = std::find_if(forms.begin(), forms.end(), [type](const InstalledForm& f) {
            return QFileInfo(f.path).fileName().startsWith(FormPrefixOf(type));
        });
        ASSERT_NE(own, forms.end()) << type;
        const QString pdf = fx.Path(QStringLiteral("type%1.pdf").arg(type));
        ASSERT_TRUE(PrintTo(own->path, catalogue, medium, pdf));
        const auto words = ReadPdfWords(pdf);
        ASSERT_TRUE(words);
        const QString first =
            QString::fromLatin1(medium->Title1().data(), qsizetype(medium->Title1().size()))
                .section(' ', 0, 0);
        EXPECT_TRUE(FindWord(*words, first)) << type << " " << first.toStdString();
    }
}

} // namespace
