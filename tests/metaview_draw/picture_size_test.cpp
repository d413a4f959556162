// Sizes of exported pictures for frames and bounds up to the limits of their 32-bit fields.
#include "metaview/export/picture_export.h"
#include "metaview/export/render_command.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

emf::EnhMetaHeader WithFrame(emf::RectL frame, emf::RectL bounds = {0, 0, 0, 0}) {
    emf::EnhMetaHeader h{};
    h.rclFrame = frame;
    h.rclBounds = bounds;
    return h;
}

double Aspect(QSizeF s) {
    return s.height() / s.width();
}

TEST(PictureSize, FramesBeyondTheLargestPageKeepTheirAspect) {
    // A 15 m by 7.5 m plan, and frames spanning the whole 32-bit field.
    struct Case {
        emf::RectL frame;
        double aspect;
    } cases[] = {
        {{0, 0, 1497122, 748561}, 0.5},
        {{INT_MIN, INT_MIN, INT_MAX, 0}, 0.5},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1},
        {{-1000, INT_MIN, 1000, INT_MAX}, 0}, // too thin to keep its aspect
    };
    for (const Case& c : cases) {
        const QSizeF mm = metaview::PictureSizeMm(WithFrame(c.frame));
        EXPECT_LE(std::max(mm.width(), mm.height()), 5000 + 1e-6);
        if (c.aspect > 0) {
            EXPECT_NEAR(Aspect(mm), c.aspect, c.aspect * 1e-6);
        }
        EXPECT_GE(std::min(mm.width(), mm.height()), 0.1); // the thin side stays a sliver
    }
}

TEST(PictureSize, EmptyOrReversedFramesFallBackToTheBounds) {
    const QSizeF mm = metaview::PictureSizeMm(WithFrame({5, 5, 5, 5}, {INT_MIN, 0, INT_MAX, 0}));
    EXPECT_DOUBLE_EQ(mm.width(), 100); // bounds without height: the square default
    const QSizeF b =
        metaview::PictureSizeMm(WithFrame({INT_MAX, 0, INT_MIN, 10}, {0, 0, 960, 480}));
    EXPECT_NEAR(b.width(), 254, 1e-9);
    EXPECT_NEAR(Aspect(b), 0.5, 1e-9);
}

TEST(RasterSize, TheLongestSideAndTheWidthFollowTheAspect) {
    const QSizeF plan = metaview::PictureSizeMm(WithFrame({0, 0, 1497122, 748561}));
    EXPECT_EQ(metaview::RasterSize(plan, 800, 0), QSize(800, 400));
    EXPECT_EQ(metaview::RasterSize(plan, 0, 256), QSize(256, 128));
    const QSizeF tall = metaview::PictureSizeMm(WithFrame({0, INT_MIN, 1, INT_MAX}));
    const QSize t = metaview::RasterSize(tall, 0, 256);
    EXPECT_EQ(t.height(), 256);
    EXPECT_EQ(t.width(), 1);                                         // never zero
    EXPECT_EQ(metaview::RasterSize(tall, 16384, 0).height(), 16384); // clamped, not wrapped
}

} // namespace
