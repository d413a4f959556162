#include "metaview/document/emf_data.h"

#include "emf/emf_builder.h"
#include "emf/record_types.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string_view>

namespace {

using testing_metaview::ShapesEmf;
using testing_metaview::U32At;

std::vector<std::byte> Bytes(std::string_view s) {
    std::vector<std::byte> b(s.size());
    std::memcpy(b.data(), s.data(), s.size());
    return b;
}

CEMFData Loaded(std::vector<std::byte> file) {
    CEMFData data;
    std::string error;
    EXPECT_TRUE(data.LoadFromArchive(std::move(file), error)) << error;
    return data;
}

std::vector<std::byte> Stored(const CEMFData& data, bool saveCopy) {
    std::ostringstream out;
    metaview::StreamSink sink(out);
    EXPECT_TRUE(data.StoreToArchive(sink, saveCopy));
    return Bytes(out.str());
}

std::vector<std::uint32_t> Types(const CEMFData& data) {
    std::vector<std::uint32_t> types;
    for (const auto& r : data.Picture().Records())
        types.push_back(r.type);
    return types;
}

TEST(CEMFDataLoad, EmfLoadsWithEveryRecordInThePlayList) {
    const CEMFData data = Loaded(ShapesEmf());
    ASSERT_TRUE(data.HasPicture());
    ASSERT_EQ(data.RecordCount(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_TRUE(data.PlayFlag(i));
        EXPECT_FALSE(data.GeneralMark(i));
    }
    EXPECT_EQ(data.PictureName(), "Shapes");
    EXPECT_EQ(data.GetPlayMode(), PlayWholeFile);
}

TEST(CEMFDataLoad, UnknownOrShortFilesFailAndKeepThePicture) {
    CEMFData data = Loaded(ShapesEmf());
    std::string error;
    EXPECT_FALSE(data.LoadFromArchive(Bytes("EM"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(data.LoadFromArchive(Bytes("GIF89a......"), error));
    EXPECT_FALSE(data.LoadFromArchive({}, error));
    EXPECT_EQ(data.RecordCount(), 7u);
    CEMFData empty;
    using namespace std::string_view_literals;
    EXPECT_FALSE(empty.LoadFromArchive(Bytes("\x01\x00\x00\x00 too short"sv), error));
    EXPECT_FALSE(empty.HasPicture());
}

// [MS-WMF] 2.3.2.3 META_PLACEABLE before the WMF, then bytes the mtSize rule leaves out.
std::vector<std::byte> Placeable(const std::vector<std::byte>& wmf) {
    std::vector<std::byte> out;
    auto put16 = [&](unsigned v) {
        out.push_back(std::byte(v & 0xFF));
        out.push_back(std::byte(v >> 8 & 0xFF));
    };
    put16(0xCDD7), put16(0x9AC6), put16(0), put16(0), put16(0), put16(200), put16(100);
    put16(1440), put16(0), put16(0), put16(0);
    out.insert(out.end(), wmf.begin(), wmf.end());
    out.resize(out.size() + 40, std::byte{0x77});
    return out;
}

TEST(CEMFDataLoad, APlaceableWmfLoadsAtTheSizeOfItsBoundingBox) {
    const std::vector<std::byte> wmf = testing_metaview::SmallWmf();
    CEMFData plain, placeable;
    std::string error;
    if (!plain.LoadFromArchive(wmf, error) && error.find("not available") != std::string::npos)
        GTEST_SKIP() << "WMF conversion is not there yet";
    ASSERT_TRUE(plain.HasPicture()) << error;
    ASSERT_TRUE(placeable.LoadFromArchive(Placeable(wmf), error)) << error;
    EXPECT_EQ(Types(plain), Types(placeable));
    const emf::RectL frame = placeable.Picture().Header().rclFrame;
    EXPECT_EQ(frame.right - frame.left + 1, 352); // 200 x 100 units at 1440 per inch, 0.01 mm
    EXPECT_EQ(frame.bottom - frame.top + 1, 176);
    EXPECT_EQ(plain.Picture().Header().rclFrame.right, 31999); // no window: the whole device
    EXPECT_EQ(Types(plain).back(), emf::EMR_EOF);
    EXPECT_EQ(plain.RecordCount(), plain.Picture().Records().size());
}

TEST(CEMFDataLoad, FlagsFollowTheRecordsReadNotTheHeaderCount) {
    std::vector<std::byte> file = ShapesEmf();
    file[52] = std::byte{0xE8}, file[53] = std::byte{0x03}; // nRecords 1000
    file.resize(file.size() + 64, std::byte{0x5A});         // bytes after EMR_EOF
    CEMFData data = Loaded(file);
    ASSERT_EQ(data.RecordCount(), 7u);
    data.SetPlayFlag(999, true);
    data.SetGeneralMark(999, true);
    EXPECT_FALSE(data.PlayFlag(999));
    EXPECT_FALSE(data.GeneralMark(7));

    data.ClearPlayFlags();
    const auto seen = Stored(data, false);
    EXPECT_EQ(U32At(seen, 48), seen.size()); // nBytes
    EXPECT_EQ(U32At(seen, 52), 2u);          // nRecords: header and EOF
}

TEST(CEMFDataFlags, PlayListOperations) {
    CEMFData data = Loaded(ShapesEmf());
    data.ClearPlayFlags();
    EXPECT_EQ(data.PlayNextRecord(), 0);
    EXPECT_EQ(data.PlayNextRecord(), 1);
    data.SetPlayFlag(3, true);
    EXPECT_EQ(data.PlayNextRecord(), 2);
    EXPECT_EQ(data.PlayNextRecord(), 4);
    const CEMFData::Flags saved = data.CopyPlayFlags();
    data.SetAllPlayFlags();
    EXPECT_EQ(data.PlayNextRecord(), -1);
    data.RestorePlayFlags(saved);
    EXPECT_TRUE(data.PlayFlag(4));
    EXPECT_FALSE(data.PlayFlag(5));
    // A copy from elsewhere reaches only as far as both arrays do.
    data.RestorePlayFlags(CEMFData::Flags(100, 0));
    EXPECT_EQ(data.PlayNextRecord(), 0);
    data.RestorePlayFlags({});
    EXPECT_TRUE(data.PlayFlag(0));
}

TEST(CEMFDataFlags, MarksAreApartFromThePlayList) {
    CEMFData data = Loaded(ShapesEmf());
    data.SetGeneralMark(2, true);
    data.SetGeneralMark(5, true);
    EXPECT_TRUE(data.GeneralMark(2));
    EXPECT_TRUE(data.PlayFlag(2));
    data.ClearGeneralMarks();
    EXPECT_FALSE(data.GeneralMark(5));
    EXPECT_TRUE(data.PlayFlag(5));
}

TEST(CEMFDataFlags, NewPictureResetsFlagsButKeepsModeAndSelection) {
    CEMFData data = Loaded(ShapesEmf());
    data.SetPlayMode(PlayPlayList);
    data.ClearPlayFlags();
    data.SetGeneralMark(1, true);
    data.SetSelection({1, 2, 3, 4});
    data.SetMetafile(*emf::EnhMetaFile::FromBytes(ShapesEmf()).picture);
    EXPECT_TRUE(data.PlayFlag(6));
    EXPECT_FALSE(data.GeneralMark(1));
    EXPECT_EQ(data.GetPlayMode(), PlayPlayList);
    EXPECT_TRUE(data.SelectionShown());
    EXPECT_EQ(data.Selection().right, 3);
}

TEST(CEMFDataStore, CopyIsTheLoadedBytes) {
    const std::vector<std::byte> file = ShapesEmf();
    EXPECT_EQ(Stored(Loaded(file), true), file);
}

TEST(CEMFDataStore, SeenAfterClearingIsHeaderAndEof) {
    CEMFData data = Loaded(ShapesEmf());
    data.ClearPlayFlags();
    const auto seen = Stored(data, false);
    const std::uint32_t headerSize = U32At(seen, 4);
    EXPECT_EQ(seen.size(), headerSize + 20);
    EXPECT_EQ(U32At(seen, headerSize), emf::EMR_EOF);
    const CEMFData back = Loaded(seen);
    EXPECT_EQ(Types(back), (std::vector<std::uint32_t>{emf::EMR_HEADER, emf::EMR_EOF}));
    EXPECT_FALSE(back.Picture().Notes().recordCountDiffers);
    EXPECT_FALSE(back.Picture().Notes().byteCountDiffers);
}

TEST(CEMFDataStore, SeenKeepsFlaggedRecordsInOrderAndAlwaysEndsWithEof) {
    CEMFData data = Loaded(ShapesEmf());
    data.SetPlayFlag(4, false); // the rectangle
    data.SetPlayFlag(6, false); // EMR_EOF: still written
    const CEMFData back = Loaded(Stored(data, false));
    EXPECT_EQ(Types(back),
              (std::vector<std::uint32_t>{emf::EMR_HEADER, emf::EMR_SETMAPMODE, emf::EMR_CREATEPEN,
                                          emf::EMR_SELECTOBJECT, emf::EMR_ELLIPSE, emf::EMR_EOF}));
    EXPECT_EQ(back.Header().nRecords, 6u);
    EXPECT_FALSE(back.Picture().Notes().byteCountDiffers);
    EXPECT_EQ(back.PictureName(), "Shapes"); // the header keeps its description
}

class FailingSink : public metaview::ByteSink {
public:
    bool Write(std::span<const std::byte>) override { return false; }
};

TEST(CEMFDataStore, WriteFailuresAreReported) {
    const CEMFData data = Loaded(ShapesEmf());
    FailingSink sink;
    EXPECT_FALSE(data.StoreToArchive(sink, true));
    EXPECT_FALSE(data.StoreToArchive(sink, false));
    std::ostringstream out;
    metaview::StreamSink stream(out);
    EXPECT_FALSE(CEMFData().StoreToArchive(stream, true)) << "no picture, nothing saved";
}

CEMFData FramedPicture(emf::ReferenceDevice device) {
    emf::EmfBuilder b;
    b.SetDevice(device);
    b.SetFrame({0, 0, 32000, 24000});
    b.Rectangle({0, 0, 10, 10});
    return Loaded(b.Build());
}

TEST(CEMFDataSelection, MapsFromReferenceDeviceUnitsToTheDrawingRectangle) {
    CEMFData data = FramedPicture({{1024, 768}, {320, 240}});
    data.SetSelection({512, 384, 1024, 768});
    const auto r = data.SelectionIn({10, 20, 1010, 770});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->left, 510);
    EXPECT_EQ(r->top, 395);
    EXPECT_EQ(r->right, 1010);
    EXPECT_EQ(r->bottom, 770);
    data.HideSelection();
    EXPECT_FALSE(data.SelectionShown());
}

TEST(CEMFDataSelection, UndefinedWithoutMillimetresOrFrame) {
    CEMFData data = FramedPicture({{1024, 768}, {0, 240}});
    data.SetSelection({0, 0, 1, 1});
    EXPECT_FALSE(data.SelectionIn({0, 0, 100, 100}));
    CEMFData none;
    EXPECT_FALSE(none.SelectionIn({0, 0, 100, 100}));
}

} // namespace
