// Whole files that once drew wrong, kept with the fuzzing regressions, drawn right.
#include "player_fixture.h"

#include "emf/metafile_file.h"
#include "emf/player/metafile_player.h"

#include <QFile>

namespace emf::test {
namespace {

std::optional<EnhMetaFile> Load(const char* name) {
    QFile file(QStringLiteral(KORVEL_REGRESSIONS_DIR "/fuzz_emf_play/") + name);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    const auto* first = reinterpret_cast<const std::byte*>(bytes.constData());
    PictureResult r = ReadMetafileFile(std::vector<std::byte>(first, first + bytes.size()));
    if (!r) return std::nullopt;
    return std::move(*r.picture);
}

// A test page of a metafile library: its flood fills once covered it in grey. A pale
// yellow page, dark red shapes, and five small squares: three flood-filled grey (two from
// inside their black outline, one by their own colour), two left lilac.
TEST(RegressionFiles, TheFloodFilledTestPageKeepsItsShapes) {
    const std::optional<EnhMetaFile> picture = Load("libuemf-ref-grey.wmf");
    ASSERT_TRUE(picture);
    const QImage img = RenderToImage(*picture, 800);
    ASSERT_EQ(img.height(), 566);
    constexpr unsigned kPage = 0xFFFFAD, kDarkRed = 0x8B0000, kGrey = 0x808080, kLilac = 0xC47FFF;
    for (const QPoint p : {QPoint(400, 500), QPoint(700, 540), QPoint(480, 220)})
        EXPECT_EQ(Rgb(img, p.x(), p.y()), kPage) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(14, 110), QPoint(300, 111), QPoint(360, 220)})
        EXPECT_EQ(Rgb(img, p.x(), p.y()), kDarkRed) << p.x() << "," << p.y();
    const unsigned squares[] = {kGrey, kGrey, kLilac, kGrey, kLilac};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Rgb(img, 14 + 19 * i, 402), squares[i]) << "square " << i;
}

} // namespace
} // namespace emf::test
