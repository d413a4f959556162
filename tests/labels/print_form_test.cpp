#include "labels/print_form.h"

#include "catalog/melvara_doc.h"
#include "emf/emf_builder.h"

#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

namespace {

std::vector<std::uint8_t> Low(std::string_view s) {
    return {s.begin(), s.end()};
}

std::int32_t LocalTime(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return static_cast<std::int32_t>(std::mktime(&t));
}

class PrintFormTest : public ::testing::Test {
protected:
    PrintFormTest() : store(dir.filePath("s.ini"), QSettings::IniFormat), settings(&store) {
        settings.LoadFormSettings();
        CCatalogue& c = doc.Catalogue();
        for (int i = 0; i < 7; ++i)
            c.Media().AddMedia("filler", "", 0, 0, {});
        medium = c.Media().AddMedia("Abbey Road", "Remastered", 0, LocalTime(2001, 3, 7), {});
        const auto band = c.Interpreters().FindOrAddInterpreter("Band")->InterpreterIndex();
        const auto solo = c.Interpreters().FindOrAddInterpreter("Solo")->InterpreterIndex();
        medium->AddTrack("Intro", 345, band, TRACK_APPEND);
        medium->AddTrack("Second", 12005, solo, TRACK_APPEND);
        medium->AddTrack("Third", 7, band, TRACK_APPEND);
        doc.SetCurrentMedia(medium, 7);
    }

    FormText Resolve(std::string_view text) {
        CPrintForm form(settings);
        form.BindMedium(doc);
        return form.ResolveText(Low(text));
    }
    std::string Drawn(std::string_view text) {
        const FormText t = Resolve(text);
        EXPECT_EQ(t.action, FormText::Draw) << text;
        return t.text;
    }
    void EnableClipping(PlaceholderKind kind, std::int32_t mm) {
        auto table = settings.CopyLengths();
        table[0].maxLength[kind] = mm;
        table[0].clip[kind] = 1;
        settings.ReplaceLengths(table);
    }

    QTemporaryDir dir;
    QSettings store;
    CFormSettings settings;
    CMELVARADoc doc;
    CMedia* medium = nullptr;
};

TEST_F(PrintFormTest, MediumPlaceholders) {
    ASSERT_EQ(medium->MediaIndex(), 7u);
    EXPECT_EQ(Drawn("#X"), "000007");
    EXPECT_EQ(Drawn("#X99"), "000007"); // digits ignored
    EXPECT_EQ(Drawn("#M"), "123:57");   // 3:45 + 120:05 + 0:07
    EXPECT_EQ(Drawn("#D"), "2001-03-07");
    EXPECT_EQ(Drawn("#L01"), "Abbey Road");
    EXPECT_EQ(Drawn("#L02 and more"), "Remastered");
}

TEST_F(PrintFormTest, TrackPlaceholders) {
    EXPECT_EQ(Drawn("#I02"), "000002");
    EXPECT_EQ(Drawn("#T01"), "3:45");
    EXPECT_EQ(Drawn("#T02"), "120:05");
    EXPECT_EQ(Drawn("#T03"), "0:07");
    EXPECT_EQ(Drawn("#N03"), "Third");
    EXPECT_EQ(Drawn("#P02"), "Solo");
    EXPECT_EQ(Drawn("#C01"), "Intro / Band");
    EXPECT_EQ(Drawn("#I05"), ""); // beyond the last track: drawn empty
}

TEST_F(PrintFormTest, MissingInterpreterLeavesTheSeparator) {
    doc.Catalogue().Interpreters().DeleteInterpreter(
        doc.Catalogue().Interpreters().FindOrAddInterpreter("Band")->InterpreterIndex());
    EXPECT_EQ(Drawn("#C01"), "Intro / ");
    EXPECT_EQ(Drawn("#P01"), "");
}

TEST_F(PrintFormTest, InvalidPlaceholdersAreDropped) {
    for (const char* text : {"#L03", "#L00", "#I00", "#i01", "#Z01", "#", "#L", "#N1", "#T9"})
        EXPECT_EQ(Resolve(text).action, FormText::Drop) << text;
}

TEST_F(PrintFormTest, OtherTextsPlayUnchanged) {
    for (const char* text : {"Nr. #I01", "", "X#"})
        EXPECT_EQ(Resolve(text).action, FormText::PlayUnchanged) << text;
}

TEST_F(PrintFormTest, ClippingScalesByMeasuredWidth) {
    CPrintForm form(settings);
    form.BindMedium(doc);
    const std::string twenty(20, 'a');
    auto width2000 = [](const std::string&) { return 2000u; };
    EXPECT_EQ(form.ClipText(TrackTitleKind, twenty, width2000), twenty); // not enabled

    EnableClipping(TrackTitleKind, 50);
    EXPECT_EQ(form.ClipText(TrackTitleKind, twenty, width2000), std::string(9, 'a') + "..");
    EXPECT_EQ(form.ClipText(InterpreterKind, twenty, width2000), twenty); // other kind
    EXPECT_EQ(form.ClipText(TrackTitleKind, "", width2000), "");
    // Zero width is never divided by: the text stays.
    EXPECT_EQ(form.ClipText(TrackTitleKind, twenty, [](const std::string&) { return 0u; }), twenty);
}

TEST_F(PrintFormTest, TinyMaximumLeavesOnlyTheDots) {
    CPrintForm form(settings);
    form.BindMedium(doc);
    for (std::int32_t mm : {0, 1, 2}) {
        EnableClipping(MediaTitleKind, mm);
        // 20 chars 10000 wide: allowed = 20 * mm * 6000 / 2540000 = 0 for all of these.
        EXPECT_EQ(form.ClipText(MediaTitleKind, std::string(20, 'x'),
                                [](const std::string&) { return 10000u; }),
                  "..");
    }
}

TEST_F(PrintFormTest, KindMissingFromTheColumnIsNeverClipped) {
    auto table = settings.CopyLengths();
    table[0].kind = {0, 1, 2, EndOfKinds};
    table[0].clip.fill(1);
    settings.ReplaceLengths(table);
    CPrintForm form(settings);
    form.BindMedium(doc);
    EXPECT_EQ(form.ClipText(TrackTitleKind, std::string(50, 'x'),
                            [](const std::string&) { return 100000u; }),
              std::string(50, 'x'));
}

// A 100 x 50 mm form: an opaque empty placeholder fills its rectangle, a dropped one and a
// text record of type 83 beginning with "#" behave as they should.
class PrintFormPlayTest : public PrintFormTest {
protected:
    std::string WriteForm(std::u16string_view placeholder, bool ansi = false) {
        emf::EmfBuilder b;
        b.SetFrame({0, 0, 10000, 5000});
        b.SetBkColor(emf::RGB(0, 0, 255));
        b.SetBkMode(2);
        const std::string a(placeholder.begin(), placeholder.end());
        if (ansi)
            b.ExtTextOutA({10, 10}, a, 0x2);
        else
            b.ExtTextOutW({10, 10}, placeholder, 0x2);
        const auto bytes = b.Build();
        const std::string path = dir.filePath("form.emf").toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    QImage Play(const std::string& path) {
        CPrintForm form(settings);
        EXPECT_TRUE(form.LoadForm(path));
        form.BindMedium(doc);
        QImage image(400, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            emf::DeviceContext dc(&image);
            EXPECT_NE(form.PlayForm(dc, QRect(0, 0, 400, 200)), 0);
        }
        return image;
    }
};

TEST_F(PrintFormPlayTest, LoadFailsForMissingOrNonMetafile) {
    CPrintForm form(settings);
    EXPECT_FALSE(form.LoadForm(dir.filePath("none.emf").toStdString()));
    std::ofstream(dir.filePath("x.wmf").toStdString()) << "not a metafile";
    EXPECT_FALSE(form.LoadForm(dir.filePath("x.wmf").toStdString()));
    EXPECT_FALSE(form.Header());
    QImage image(10, 10, QImage::Format_RGB32);
    emf::DeviceContext dc(&image);
    EXPECT_EQ(form.PlayForm(dc, QRect(0, 0, 10, 10)), 0);
}

TEST_F(PrintFormPlayTest, TextsAreReplacedDroppedOrPlayed) {
    // Placeholder with the opaque option draws its (here long) text: blue background appears.
    EXPECT_NE(Play(WriteForm(u"#L01")).pixelColor(14, 14), QColor(Qt::white));
    // A dropped placeholder draws nothing at all.
    const QImage dropped = Play(WriteForm(u"#Z01"));
    for (int x = 0; x < 100; x += 3)
        ASSERT_EQ(dropped.pixelColor(x, 14), QColor(Qt::white));
    // Single-byte text records are never examined: played as recorded.
    EXPECT_NE(Play(WriteForm(u"#Z01", true)).pixelColor(14, 14), QColor(Qt::white));
}

TEST_F(PrintFormPlayTest, ClippedTextKeepsToItsWidthInMillimetres) {
    medium->EditTrack(std::string(60, 'W'), 100, 0, 1);
    EnableClipping(TrackTitleKind, 20);
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 10000, 2000}); // 100 mm x 20 mm
    emf::LogFontW font;
    font.height = -10;
    font.faceName = u"Liberation Sans";
    b.ExtCreateFontIndirectW(1, font);
    b.SelectObject(1);
    b.SetBkMode(1);
    b.ExtTextOutW({0, 10}, u"#N01");
    const auto bytes = b.Build();
    const std::string path = dir.filePath("clip.emf").toStdString();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    CPrintForm form(settings);
    ASSERT_TRUE(form.LoadForm(path));
    form.BindMedium(doc);
    // 200 dpi: the form's 100 mm are 787 pixels.
    QImage image(800, 160, QImage::Format_RGB32);
    image.setDotsPerMeterX(7874);
    image.setDotsPerMeterY(7874);
    image.fill(Qt::white);
    {
        emf::DeviceContext dc(&image);
        form.PlayForm(dc, QRect(0, 0, 787, 157));
    }
    int right = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) right = x;
    const double mm = (right + 1) * 25.4 / 200;
    EXPECT_GT(mm, 12.0);
    EXPECT_LE(mm, 21.0);
}

// The sample form was drawn as SVG and saved as EMF by LibreOffice Draw: a real drawing
// program's records, logical units and fonts.
TEST_F(PrintFormPlayTest, FormFromADrawingProgramShowsTheCataloguesTexts) {
    CPrintForm form(settings);
    ASSERT_TRUE(form.LoadForm(KORVEL_EXAMPLES_DIR "/forms/cd_label.emf"));
    form.BindMedium(doc);
    const auto& frame = form.Header()->rclFrame;
    EXPECT_NEAR((frame.right - frame.left) / 100.0, 113, 8); // about 120 x 60 mm as drawn
    QImage image(600, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        emf::DeviceContext dc(&image);
        ASSERT_NE(form.PlayForm(dc, QRect(0, 0, 600, 280)), 0);
    }
    // The title bar is drawn and white text (the title placeholder) sits on it.
    int whiteInBar = 0;
    for (int x = 10; x < 300; ++x)
        for (int y = 5; y < 50; ++y)
            whiteInBar += qGray(image.pixel(x, y)) > 200;
    EXPECT_GT(whiteInBar, 50);
    EXPECT_LT(qGray(image.pixel(590, 20)), 100); // dark bar colour at the far right
}

} // namespace
