#include "metaview/document/emf_data.h"
#include "metaview/document/plus_inspection.h"
#include "metaview/export/command_line.h"

#include "test_files.h"
#include "tests/emf/plus_writer.h"

#include <QImage>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using emf::test::Data;
using emf::test::PlusWriter;

// A dual picture: a green square from EMF+ records, a blue one from its EMF records.
std::vector<std::byte> DualEmf() {
    emf::EmfBuilder b;
    b.SetBounds({0, 0, 99, 99});
    b.SetFrame({0, 0, 3125, 3125});
    PlusWriter w;
    w.Header(true, 144)
        .Record(0x400A, 0x8000, Data().U32(0xFF00FF00).U32(1).F32s({0, 0, 100, 100}))
        .RawRecord(0x4777, 0x0102, 12, 0);
    w.AddTo(b);
    b.CreateBrushIndirect(1, 0, 0xFF0000);
    b.SelectObject(1);
    b.Rectangle({0, 0, 100, 100});
    return b.Build();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int Kelvane(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int code = metaview::RunCommandLine(args, o, e);
    out = o.str();
    err = e.str();
    return code;
}

TEST(EmfPlusInspection, RecordsListEachEmfPlusRecordUnderItsComment) {
    testing_metaview::ScratchDir dir;
    testing_metaview::WriteAll(dir / "dual.emf", DualEmf());
    std::string out, err;
    ASSERT_EQ(Kelvane({"--records", (dir / "dual.emf").string()}, out, err), 0) << err;
    const auto lines = Lines(out);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1].substr(0, 17), "1\tEMR_GDICOMMENT\t");
    EXPECT_EQ(lines[2], "1.0\tEmfPlusHeader\tflags=0x0001\t28");
    EXPECT_EQ(lines[3], "1.1\tEmfPlusFillRects\tflags=0x8000\t36");
    EXPECT_EQ(lines[4], "1.2\tEmfPlusUnknown 0x4777\tflags=0x0102\t12");
    EXPECT_EQ(lines[5].substr(0, 2), "2\t");
}

TEST(EmfPlusInspection, FileInformationTellsTheKindVersionAndResolution) {
    const auto picture = emf::EnhMetaFile::FromBytes(DualEmf());
    const auto rows = metaview::PlusInformationRows(*picture.picture);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].value, "EMF+ dual");
    EXPECT_EQ(rows[1].value, "0xDBC01002");
    EXPECT_EQ(rows[2].value, "x: 144, y: 144");
    const auto plain = emf::EnhMetaFile::FromBytes(testing_metaview::ShapesEmf());
    const auto none = metaview::PlusInformationRows(*plain.picture);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].value, "EMF only");
}

TEST(EmfPlusInspection, RenderDrawsEmfPlusOrWithGdiOnlyTheEmfRecords) {
    testing_metaview::ScratchDir dir;
    testing_metaview::WriteAll(dir / "dual.emf", DualEmf());
    const std::string in = (dir / "dual.emf").string(), png = (dir / "out.png").string();
    std::string out, err;
    ASSERT_EQ(Kelvane({"--render", in, "--png", png, "--width", "50"}, out, err), 0) << err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).pixel(25, 25) & 0xFFFFFF, 0x00FF00u);
    EXPECT_NE(err.find("an EMF+ record was skipped"), std::string::npos) << err;
    ASSERT_EQ(Kelvane({"--render", in, "--gdi-only", "--png", png, "--width", "50"}, out, err), 0)
        << err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).pixel(25, 25) & 0xFFFFFF, 0x0000FFu);
    Kelvane({"--render", in, "--png", png}, out, err); // the choice is per run
    EXPECT_EQ(QImage(QString::fromStdString(png)).pixel(25, 25) & 0xFFFFFF, 0x00FF00u);
}

} // namespace

namespace {

TEST(EmfPlusInspection, PlayListEntriesMarkAndPlayEachEmfPlusRecord) {
    CEMFData data;
    std::string error;
    ASSERT_TRUE(data.LoadFromArchive(DualEmf(), error)) << error;
    // header, comment, its three EMF+ records, brush, select, rectangle, EOF
    ASSERT_EQ(data.RecordCount(), 9u);
    const metaview::RecordEntries& entries = data.Entries();
    EXPECT_EQ(entries[3].record, 1u);
    EXPECT_EQ(entries[3].plus, 1u);
    EXPECT_EQ(entries[3].view.type, 0x400Au);
    EXPECT_EQ(metaview::EntryTypeName(entries[3]), "    EmfPlusFillRects");
    EXPECT_EQ(entries.PositionOfRecord(2), 5u);
    EXPECT_EQ(entries.PositionOfPlus(entries[1].view.offset, 2), 4u);
    EXPECT_FALSE(entries.PositionOfPlus(entries[1].view.offset, 3));

    auto centre = [&data] {
        QImage img(100, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        emf::DeviceContext dc(&img);
        data.Draw(dc, {0, 0, 100, 100});
        return img.pixel(50, 50) & 0xFFFFFF;
    };
    data.SetPlayMode(PlayPlayList);
    EXPECT_EQ(centre(), 0x00FF00u);
    data.SetPlayFlag(3, false); // the fill: the EMF records stay skipped
    EXPECT_EQ(centre(), 0xFFFFFFu);
    data.SetPlayFlag(3, true);
    data.SetPlayFlag(1, false); // the comment: none of its records, so the EMF ones draw
    EXPECT_EQ(centre(), 0x0000FFu);
}

} // namespace
