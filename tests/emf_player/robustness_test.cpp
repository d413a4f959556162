// Damaged records are skipped without reading outside them; requests larger than the data
// are refused; every corpus file plays in bounded time.
#include "player_fixture.h"

#include "emf/metafile_file.h"
#include "emf/player/metafile_player.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>

namespace emf::test {
namespace {

TEST(Robustness, ShortRecordsAreSkippedAndPlayingGoesOn) {
    EmfBuilder b = RedFill();
    const std::vector<std::byte> few(4);
    for (std::uint32_t type :
         {EMR_RECTANGLE, EMR_POLYGON16, EMR_EXTTEXTOUTW, EMR_STRETCHDIBITS, EMR_SETWORLDTRANSFORM,
          EMR_EXTCREATEFONTINDIRECTW, EMR_EXTSELECTCLIPRGN, EMR_SELECTOBJECT, EMR_GRADIENTFILL})
        b.AddRecord(type, few);
    b.Rectangle({10, 10, 30, 30});
    EXPECT_EQ(Rgb(Play(b), 20, 20), kRed);
}

TEST(Robustness, CountsBeyondTheRecordAreRefused) {
    EmfBuilder b = RedFill();
    b.AddRecord(EMR_POLYGON, PackParams(RectL{0, 0, 100, 100}, 1000000000u, PointL{0, 0}));
    b.AddRecord(EMR_POLYPOLYGON16,
                PackParams(RectL{0, 0, 100, 100}, 0x40000000u, 3u, 3u, PointL{0, 0}));
    b.AddRecord(EMR_EXTCREATEPEN, PackParams(1u, 0u, 0u, 0u, 0u, 0u, 1u, 0u, 0u, 0u, 0xFFFFFFFu));
    b.AddRecord(EMR_GRADIENTFILL, PackParams(RectL{}, 0xFFFFFFFu, 1u, 0u));
    b.Rectangle({10, 10, 30, 30});
    EXPECT_EQ(Rgb(Play(b), 20, 20), kRed);
}

TEST(Robustness, TextOffsetsOutsideTheRecordDrawNothing) {
    EmfBuilder b = Canvas();
    std::vector<std::byte> p =
        PackParams(RectL{}, 1u, 0u, 0u, PointL{10, 50}, 5u, 0x7FFFFFF0u, 0u, RectL{}, 0u);
    b.AddRecord(EMR_EXTTEXTOUTW, p);
    const QImage img = Play(b);
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(Rgb(img, x, 45), kWhite);
}

TEST(Robustness, RestoreBeyondTheSaveStackAndUnknownTypesAreIgnored) {
    EmfBuilder b = RedFill();
    b.RestoreDC(-5);
    b.AddRecord(69, {});
    b.AddRecord(200, PackParams(1u, 2u));
    b.Rectangle({10, 10, 30, 30});
    EXPECT_EQ(Rgb(Play(b), 20, 20), kRed);
}

TEST(Robustness, HugeClipShapesAreCutToTheDeviceFirst) {
    EmfBuilder b = RedFill();
    b.AddRecord(EMR_BEGINPATH, {});
    b.AddRecord(EMR_POLYGON, PackParams(RectL{}, 3u, PointL{-1000000000, -1000000000},
                                        PointL{1000000000, -1000000000}, PointL{0, 1000000000}));
    b.AddRecord(EMR_ENDPATH, {});
    b.AddRecord(EMR_SELECTCLIPPATH, PackParams(1u));
    b.AddRecord(EMR_INTERSECTCLIPRECT,
                PackParams(RectL{-2000000000, -2000000000, 2000000000, 2000000000}));
    b.Rectangle({10, 10, 90, 90});
    QElapsedTimer t;
    t.start();
    const QImage img = Play(b);
    EXPECT_LT(t.elapsed(), 1000 * KORVEL_SLOWDOWN); // a region of the whole shape would take gigabytes
    EXPECT_EQ(Rgb(img, 50, 50), kRed);
}

// A region rectangle wider than the int range once overflowed the conversion to QRect.
TEST(Robustness, RegionRectanglesBeyondTheIntRangeAreClampedNotOverflowed) {
    EmfBuilder b = Canvas();
    SelectSolidBrush(b, 1, RGB(255, 0, 0));
    std::vector<std::byte> rgn = PackParams(RectL{}, 32u + 16u, 1u); // bounds, cbRgnData, brush
    const std::vector<std::byte> data =
        PackParams(32u, 1u, 1u, 16u, RectL{}, RectL{-2147483647, 10, 37, 2147483647});
    rgn.insert(rgn.end(), data.begin(), data.end());
    b.AddRecord(EMR_FILLRGN, rgn);
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 50), kRed);
    EXPECT_EQ(Rgb(img, 60, 50), kWhite);
    EXPECT_EQ(Rgb(img, 20, 5), kWhite);
}

// EMF and WMF alike, at the width a viewer shows them (kelvane --render's 800 pixels).
TEST(Robustness, EveryCorpusFilePlaysQuickly) {
    const QString dir = QStringLiteral(KORVEL_CORPUS_DIR);
    if (!QDir(dir).exists()) GTEST_SKIP() << "no corpus folder at " << dir.toStdString();
    int played = 0;
    QDirIterator it(dir, {"*.emf", "*.EMF", "*.wmf", "*.WMF"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        std::vector<std::byte> bytes(raw.size());
        std::memcpy(bytes.data(), raw.constData(), bytes.size());
        PictureResult pic = ReadMetafileFile(std::move(bytes));
        if (!pic) continue;
        QElapsedTimer t;
        t.start();
        RenderToImage(*pic.picture, 800);
        EXPECT_LT(t.elapsed(), 1000 * KORVEL_SLOWDOWN) << it.filePath().toStdString(); // 0.3 s on a quiet machine
        ++played;
    }
    EXPECT_GT(played, 100);
}

} // namespace
} // namespace emf::test
