// A chart whose second picture's GDI records, which lack the crop its EMF+ records give
// it, paint a white field over the first panel's left third; drawn from its EMF+ records,
// as GDI+ draws it, the panel keeps its curves, axis and legend.
#include "metaview/test_files.h"

#include "emf/player/metafile_player.h"

#include <QImage>

#include <gtest/gtest.h>

namespace testing_metaview {
namespace {

std::filesystem::path ChartFile() {
    return std::filesystem::path(KORVEL_CORPUS_DIR).parent_path() / "findings" /
           "chart-panel-missing.emf";
}

// How many pixels of a box (fractions of the picture) have each colour.
struct Counts {
    int green = 0, purple = 0;
};

Counts CountColours(const QImage& image, QRectF box) {
    Counts n;
    const QRect r(int(box.x() * image.width()), int(box.y() * image.height()),
                  int(box.width() * image.width()), int(box.height() * image.height()));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 200 && c.red() < 120 && c.blue() < 120) ++n.green;
            if (c.red() > 90 && c.red() < 170 && c.green() < 60 && c.blue() > 90 && c.blue() < 170)
                ++n.purple;
        }
    return n;
}

TEST(ChartPanel, TheLeftThirdOfPanelCKeepsItsCurvesAndLegend) {
    if (!std::filesystem::exists(ChartFile())) GTEST_SKIP() << ChartFile() << " is not there";
    const auto loaded = emf::EnhMetaFile::FromBytes(ReadAll(ChartFile()));
    ASSERT_TRUE(loaded.picture);
    const QImage image = emf::RenderToImage(*loaded.picture, 1200);
    ASSERT_FALSE(image.isNull());
    // Panel c's left third: the green and purple curves and the legend in those colours.
    const Counts left = CountColours(image, {0.555, 0.3, 0.125, 0.63});
    EXPECT_GT(left.green, 100);
    EXPECT_GT(left.purple, 100);
    // Its right part, which was always there, for comparison.
    const Counts right = CountColours(image, {0.8, 0.3, 0.12, 0.63});
    EXPECT_GT(right.green, 100);
}

} // namespace
} // namespace testing_metaview
