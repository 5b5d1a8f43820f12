#include <QFontMetricsF>

#include <gtest/gtest.h>

#include "platform/qpainter_surface.h"
#include "surface_test_support.h"

namespace qv {
namespace {

using test::ImageSurface;
using test::inkBounds;
using test::isInk;
using test::px;
using test::sj;

FontSpec font(const char* faceUtf8, int height, int escapement = 0) {
    FontSpec request;
    request.faceName = sj(faceUtf8);
    request.height = height;
    request.escapement = escapement;
    return request;
}

// ---- Fonts and measuring

TEST(SurfaceFont, SelectFontGivesBackThePreviousOne) {
    ImageSurface s;
    const FontSpec mincho = font("ＭＳ 明朝", 40);
    const FontSpec first = s.surface.selectFont(mincho);
    EXPECT_EQ(first.faceName, "System");
    EXPECT_EQ(s.surface.selectFont(font("Arial", 30)), mincho);
}

TEST(SurfaceTextExtent, IsTheLineHeightAndTheAdvanceInLogicalUnits) {
    ImageSurface s;
    s.surface.selectFont(font("ＭＳ 明朝", 100));
    // IPAMincho, as ＭＳ 明朝: a Latin letter is half an em, a kanji a whole em.
    const TextSize a = s.surface.textExtent("A", 1);
    EXPECT_EQ(a.cy, 100);
    EXPECT_NEAR(s.surface.textExtent(sj("商品"), 2).cx, 4 * a.cx, 2);
    s.surface.selectFont(font("Arial", 100));
    EXPECT_EQ(s.surface.textExtent("A", 1).cy, 100);
}

TEST(SurfaceTextExtent, CountsCharactersNotBytesAndPadsWithBlanks) {
    ImageSurface s;
    s.surface.selectFont(font("ＭＳ 明朝", 100));
    const int half = s.surface.textExtent("A", 1).cx;
    // A double-byte character counts as one character.
    EXPECT_EQ(s.surface.textExtent(sj("商品ABC"), 2).cx, s.surface.textExtent(sj("商品"), 2).cx);
    EXPECT_EQ(s.surface.textExtent(sj("商品ABC"), 1).cx, s.surface.textExtent(sj("商"), 1).cx);
    // Fewer characters than asked: blanks (half an em each) make up the rest.
    EXPECT_EQ(s.surface.textExtent("AB", 5).cx, s.surface.textExtent("AB   ", 5).cx);
    EXPECT_NEAR(s.surface.textExtent("AB", 5).cx, 5 * half, 2);
    EXPECT_EQ(s.surface.textExtent("", 0).cx, 0);
    // Growing with the count.
    EXPECT_LT(s.surface.textExtent("ABCDEF", 2).cx, s.surface.textExtent("ABCDEF", 4).cx);
}

// ---- Placing text

TEST(SurfaceTextOut, TheCellsTopLeftIsAtThePoint) {
    ImageSurface s;
    s.surface.setBackgroundTransparent(true);
    s.surface.selectFont(font("Arial", 100));
    s.surface.textOut(100, -100, "E");
    const QRect ink = inkBounds(s.result());
    // "E" stands on the baseline, 0.905 em (1854/2048) below the cell top, reaches up to the cap
    // height 0.688 em (1409/2048) and starts 0.08 em (158/2048) in: Liberation Sans' tables.
    // Its cell is 1.117 em high, so one em is 100 / 1.117 units.
    const double em = px(100) / 1.117;
    EXPECT_NEAR(ink.left(), px(100) + 0.08 * em, 2);
    EXPECT_NEAR(ink.bottom(), px(100) + 0.905 * em, 2);
    EXPECT_NEAR(ink.top(), px(100) + (0.905 - 0.688) * em, 2);
}

TEST(SurfaceTextOut, TextColourIsBlueGreenRedToo) {
    ImageSurface s;
    s.surface.selectFont(font("Arial", 100));
    s.surface.setTextColor(0x0000FF);
    s.surface.textOut(100, -100, "I");
    const QImage& image = s.result();
    const QRect ink = inkBounds(image);
    EXPECT_EQ(image.pixel(ink.center()), qRgb(255, 0, 0));
}

TEST(SurfaceTextOut, OpaqueBackgroundIsWhiteBehindTheText) {
    for (const bool transparent : {false, true}) {
        ImageSurface s;
        s.surface.fillRect({0, 0, 500, -200}, kBlack);
        s.surface.setBackgroundTransparent(transparent);
        s.surface.selectFont(font("Arial", 100));
        s.surface.textOut(100, -50, ".");
        const QRect cell = QRect(120, 62, 20, 60);  // inside the cell, above the full stop
        EXPECT_EQ(inkBounds(s.result(), cell) == cell, transparent) << transparent;
    }
}

TEST(SurfaceTextInRect, AlignsAndCutsAtTheRectangle) {
    const LogicalRect box{100, -100, 400, -200};  // 118..472 across, 118..236 down
    const QRect boxPixels(118, 118, 355, 119);
    struct Case {
        HAlign h;
        VAlign v;
        double inkCentreX;  // of the box: 0 left, 0.5 middle, 1 right
        double inkCentreY;
    };
    for (const Case& c :
         {Case{HAlign::Left, VAlign::Top, 0.1, 0.3}, Case{HAlign::Centre, VAlign::Middle, 0.5, 0.5},
          Case{HAlign::Right, VAlign::Bottom, 0.9, 0.7}}) {
        ImageSurface s;
        s.surface.selectFont(font("Arial", 50));
        s.surface.drawTextInRect(box, "WW", c.h, c.v);
        const QRect ink = inkBounds(s.result());
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(boxPixels.contains(ink));
        const QPointF centre = ink.center();
        EXPECT_NEAR((centre.x() - 118) / 354, c.inkCentreX, 0.1) << static_cast<int>(c.h);
        EXPECT_NEAR((centre.y() - 118) / 118, c.inkCentreY, 0.1) << static_cast<int>(c.v);
    }
}

TEST(SurfaceTextInRect, TextLongerThanTheRectangleIsCut) {
    ImageSurface s;
    s.surface.selectFont(font("Arial", 50));
    s.surface.drawTextInRect({100, -100, 200, -200}, "WWWWWWWWWWWW", HAlign::Centre,
                             VAlign::Middle);
    const QRect ink = inkBounds(s.result());
    EXPECT_EQ(ink.left(), 118);  // filled up to both edges and no further
    EXPECT_NEAR(ink.right(), 236, 1);
}

TEST(SurfaceTextOut, ClippedTextStaysInsideTheClip) {
    ImageSurface s;
    s.surface.selectFont(font("Arial", 100));
    s.surface.textOutClipped(100, -100, {150, -100, 250, -300}, "WWWWWWW");
    const QRect ink = inkBounds(s.result());
    EXPECT_EQ(ink.left(), 177);  // 150 units
    EXPECT_NEAR(ink.right(), 295, 1);
}

// ---- Turned and vertical text

// Where the ink of `textUtf8` lies when written at (x, y) in `faceUtf8`, 60 units high and
// turned by 90 degrees, on a transparent background or not.
QRect inkOfOneLine(const char* faceUtf8, int x, int y, const char* textUtf8, bool transparent) {
    ImageSurface s;
    if (transparent) s.surface.setBackgroundTransparent(true);
    s.surface.selectFont(font(faceUtf8, 60, 900));
    s.surface.textOut(x, y, sj(textUtf8));
    return inkBounds(s.result());
}

TEST(SurfaceTurnedText, EscapementReadsUpwardFromTheAnchor) {
    const QRect ink = inkOfOneLine("ＭＳ 明朝", 200, -400, "一二三", true);
    // Up from the anchor (472 down), to its right: the cell's top lies on the left.
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.bottom(), px(400) + 1);
    EXPECT_GE(ink.left(), px(200) - 1);
    EXPECT_LE(ink.right(), px(200) + px(60));
}

TEST(SurfaceTurnedText, SingleKanjiLiesOnItsSide) {
    // A horizontal stroke, turned: a vertical one.
    const QRect ink = inkOfOneLine("ＭＳ 明朝", 200, -400, "一", false);
    EXPECT_GT(ink.height(), 3 * ink.width());
}

TEST(SurfaceVerticalText, StacksDownwardLeftOfTheAnchor) {
    const QRect ink = inkOfOneLine("@ＭＳ 明朝", 300, -100, "一二三", true);
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.right(), px(300) + 1);  // the column's right edge is the anchor
    EXPECT_GE(ink.left(), px(300) - px(60) - 1);
    EXPECT_GE(ink.top(), px(100) - 1);  // and it starts at the anchor going down
    // Three characters of one em each (60 / 1.102 units) down the column.
    EXPECT_NEAR(ink.bottom(), px(100) + 3 * px(60) / 1.102, px(60) / 2);
}

TEST(SurfaceVerticalText, KanjiStandUprightAndLatinLies) {
    ImageSurface s(600, 900);
    s.surface.selectFont(font("@ＭＳ 明朝", 60, 900));
    s.surface.textOut(300, -100, sj("一"));  // upright: still a horizontal stroke
    s.surface.textOut(300, -300, "--");      // single-byte text lies along the column
    s.surface.textOut(300, -500, sj("ー"));  // the long vowel mark runs down, as its vertical form
    const QImage& image = s.result();
    const QRect kanji = inkBounds(image, QRect(0, 0, 600, 300));
    const QRect dashes = inkBounds(image, QRect(0, 300, 600, 250));
    const QRect longVowel = inkBounds(image, QRect(0, 550, 600, 350));
    EXPECT_GT(kanji.width(), 3 * kanji.height());
    EXPECT_GT(dashes.height(), 3 * dashes.width());
    EXPECT_GT(longVowel.height(), 3 * longVowel.width());
}

TEST(SurfaceVerticalText, FullStopSitsTopRightOfItsPlace) {
    ImageSurface s;
    s.surface.selectFont(font("@ＭＳ 明朝", 100, 900));
    s.surface.textOut(300, -100, sj("。"));
    const QRect ink = inkBounds(s.result());
    // Its place: one em (100 / 1.102 units) down from the anchor, the column left of it.
    const double em = px(100) / 1.102;
    EXPECT_GT(ink.center().x(), px(300) - em / 2);
    EXPECT_LT(ink.center().y(), px(100) + em / 2);
}

TEST(SurfaceVerticalText, ExtentIsMeasuredAlongTheColumn) {
    ImageSurface s;
    s.surface.selectFont(font("ＭＳ 明朝", 60));
    const TextSize across = s.surface.textExtent(sj("商品A"), 3);
    s.surface.selectFont(font("@ＭＳ 明朝", 60, 900));
    const TextSize down = s.surface.textExtent(sj("商品A"), 3);
    EXPECT_EQ(down.cx, across.cx);
    EXPECT_EQ(down.cy, across.cy);
}

TEST(SurfaceVerticalText, ClippedColumnStaysInItsBox) {
    ImageSurface s;
    s.surface.selectFont(font("@ＭＳ 明朝", 60, 900));
    // The box of a vertical field: one column wide, two characters high, text of four.
    s.surface.textOutClipped(300, -100, {240, -100, 300, -200}, sj("一二三四"));
    const QRect ink = inkBounds(s.result());
    EXPECT_GE(ink.top(), px(100) - 1);
    EXPECT_LE(ink.bottom(), px(200) + 1);
    EXPECT_GE(ink.left(), px(240) - 1);
}

}  // namespace
}  // namespace qv
