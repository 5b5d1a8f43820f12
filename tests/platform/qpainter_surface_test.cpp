#include "platform/qpainter_surface.h"

#include <gtest/gtest.h>

#include "surface_test_support.h"

namespace qv {
namespace {

using test::ImageSurface;
using test::inkBounds;
using test::isInk;

// ---- Mapping and fills

TEST(SurfaceMapping, LogicalUnitsWithYUpLandOnDevicePixels) {
    ImageSurface s;
    // 100 units = 10 mm = 118.1 pixels at 300 dpi; y = -100 is 10 mm below the top.
    s.surface.fillRect({100, -100, 200, -200}, kBlack);
    const QRect ink = inkBounds(s.result());
    EXPECT_EQ(ink.left(), 118);
    EXPECT_EQ(ink.top(), 118);
    EXPECT_NEAR(ink.right(), 236, 1);
    EXPECT_NEAR(ink.bottom(), 236, 1);
}

TEST(SurfaceMapping, ThePaintersOwnTransformMovesThePage) {
    ImageSurface s;
    s.painter.translate(50, 20);
    s.surface.fillRect({0, 0, 100, -100}, kBlack);
    const QRect ink = inkBounds(s.result());
    EXPECT_EQ(ink.topLeft(), QPoint(50, 20));
}

TEST(SurfaceColour, RgbIsStoredAsBlueGreenRed) {
    ImageSurface s;
    s.surface.fillRect({0, 0, 100, -100}, 0x0000FF);    // red
    s.surface.fillRect({100, 0, 200, -100}, 0xFF0000);  // blue
    s.surface.fillRect({200, 0, 300, -100}, 0x00FF00);  // green
    const QImage& image = s.result();
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(170, 50), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(290, 50), qRgb(0, 255, 0));
    EXPECT_EQ(colourOf(0x123456), QColor(0x56, 0x34, 0x12));
}

// ---- Pens, rectangles and lines

TEST(SurfaceRectangle, OutlinesWithThePenAndFillsTheInsideWhite) {
    ImageSurface s;
    s.surface.fillRect({0, 0, 400, -400}, kBlack);
    s.surface.selectSolidPen(10, 0xFF0000);  // 10 units = 11.8 pixels, blue
    s.surface.rectangle({100, -100, 300, -300});
    const QImage& image = s.result();
    EXPECT_EQ(image.pixel(118, 200), qRgb(0, 0, 255));  // on the left edge
    EXPECT_EQ(image.pixel(200, 354), qRgb(0, 0, 255));  // on the bottom edge
    EXPECT_EQ(image.pixel(200, 200), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(130, 200), qRgb(255, 255, 255));  // just inside the pen's half width
    EXPECT_EQ(image.pixel(100, 200), qRgb(0, 0, 0));        // outside: untouched
}

// The rows a horizontal line covers at column `x`.
int inkRowsAt(const QImage& image, int x) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) rows += isInk(image, x, y) ? 1 : 0;
    return rows;
}

TEST(SurfaceLines, ThinnestPenIsOnePixelAndSolidPensScale) {
    ImageSurface s;
    s.surface.selectBlackPen();
    s.surface.moveTo(100, -100);
    s.surface.lineTo(300, -100);  // a horizontal line 10 mm below the top ...
    s.surface.selectSolidPen(20, kBlack);
    s.surface.lineTo(300, -300);  // ... then down from its end, 2 mm wide
    const QImage& image = s.result();
    EXPECT_EQ(inkRowsAt(image, 200), 1);
    EXPECT_TRUE(isInk(image, 200, 118));
    const QRect down = inkBounds(image, QRect(300, 200, 200, 100));
    EXPECT_NEAR(down.width(), 23.6, 1.5);  // 20 units at 300 dpi
    EXPECT_NEAR(down.center().x(), 354, 1.5);
}

// ---- Device description

TEST(SurfaceDeviceInfo, ReportsWhatItWasGiven) {
    ImageSurface s;
    EXPECT_EQ(s.surface.horizontalDpi(), 300);
    EXPECT_EQ(s.surface.colourCount(), 256);
    EXPECT_EQ(s.surface.verticalSizeMm(), 100);
}

TEST(SurfaceDeviceInfo, DescribesImagesFromTheirResolution) {
    QImage colour(2480, 3508, QImage::Format_ARGB32);  // A4 at 300 dpi
    colour.setDotsPerMeterX(11811);
    colour.setDotsPerMeterY(11811);
    const SurfaceDevice described = describeDevice(colour);
    EXPECT_NEAR(described.dpi, 300, 0.5);
    EXPECT_NEAR(described.verticalSizeMm, 297, 1);
    EXPECT_GT(described.colourCount, 2);

    QImage mono(100, 100, QImage::Format_Mono);
    EXPECT_EQ(describeDevice(mono).colourCount, 2);
}

}  // namespace
}  // namespace qv
