#include "metaview/document/emf_data.h"

#include "emf/emf_builder.h"
#include "emf/player/gdi_types.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr emf::COLORREF kBlue = emf::RGB(0, 0, 255);

// Header 0, create brush 1, select it 2, rectangle 3, EOF 4.
CEMFData BlueSquare() {
    emf::EmfBuilder b;
    b.CreateBrushIndirect(1, 0, kBlue);
    b.SelectObject(1);
    b.Rectangle({0, 0, 100, 100});
    CEMFData data;
    auto picture = b.Picture();
    EXPECT_TRUE(picture) << picture.error;
    data.SetMetafile(*picture.picture);
    return data;
}

// Whether the rectangle's left edge is outlined in black near row y.
bool LeftEdgeDrawn(const QImage& image, int y) {
    for (int x = 0; x < 4; ++x)
        if (image.pixelColor(x, y) == QColor(Qt::black)) return true;
    return false;
}

QImage Draw(const CEMFData& data) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    emf::DeviceContext dc(painter);
    data.Draw(dc, {0, 0, 200, 200});
    return image;
}

TEST(EmfDataDraw, WholeFileIgnoresFlags) {
    CEMFData data = BlueSquare();
    data.ClearPlayFlags();
    EXPECT_EQ(Draw(data).pixelColor(100, 100), QColor(Qt::blue));
}

TEST(EmfDataDraw, UnflaggedRecordsHaveNoEffectAtAll) {
    CEMFData data = BlueSquare();
    data.SetPlayMode(PlayPlayList);
    data.ClearPlayFlags();
    data.SetPlayFlag(3, true); // the rectangle only: drawn with the default white brush
    const QImage image = Draw(data);
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::white));
    EXPECT_TRUE(LeftEdgeDrawn(image, 100)); // its outline, with the default pen

    data.SetAllPlayFlags();
    EXPECT_EQ(Draw(data).pixelColor(100, 100), QColor(Qt::blue));
    data.ClearPlayFlags();
    EXPECT_FALSE(LeftEdgeDrawn(Draw(data), 100)); // nothing played
}

TEST(EmfDataDraw, SelectionIsOutlinedUnlessTheMappingIsUndefined) {
    CEMFData data = BlueSquare();
    data.SetPlayMode(PlayStepping);
    data.ClearPlayFlags();
    data.SetSelection({0, 0, 50, 50});
    const auto box = data.SelectionIn({0, 0, 200, 200});
    ASSERT_TRUE(box);
    // NOT(dark red XOR white) is dark red, inside the selection on a white picture.
    EXPECT_EQ(Draw(data).pixelColor(box->left + 2, box->top + 2), QColor(128, 0, 0));
    data.HideSelection();
    EXPECT_EQ(Draw(data).pixelColor(box->left + 2, box->top + 2), QColor(Qt::white));
}

TEST(EmfDataDraw, NoPictureDrawsNothing) {
    CEMFData empty;
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    emf::DeviceContext dc(painter);
    EXPECT_EQ(empty.Draw(dc, {0, 0, 10, 10}), 0);
}

} // namespace
