// Barcode drawing on a recording surface. Expected values are worked out by hand from the
// drawing rules: X = max(2, floor(fw·10·dpi / 25400)), JAN region 107·X + 11 (EAN-8 not aligned:
// 85·X); ITF k = max(1, floor((fw·10 − 27) / 60p)), region (54p + 27)·k + 40·k; NW7 and CODE 39
// k = max(1, floor(fw·10 / (m + 40))), region 40 + k·m. Codabar "a" = 0011010, "1" = 0000110.
#include "label/barcode/barcode_drawer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "label/definition/definition_bits.h"
#include "label/definition/label_definition.h"
#include "tests/support/recording_surface.h"

namespace qv {
namespace {

constexpr Rgb kRed = 0x0000FF;

FieldPlacement barField(int xMm, int yMm, int widthMm, int heightMm, int layoutFlags = 0) {
    FieldPlacement field;
    field.xMm = xMm;
    field.yMm = yMm;
    field.barWidthMm = widthMm;
    field.barHeightMm = heightMm;
    field.layoutFlags = layoutFlags;
    return field;
}

BarcodeDrawOptions withText(bool showText, Rgb colour = kBlack) {
    BarcodeDrawOptions options;
    options.showText = showText;
    options.colour = colour;
    return options;
}

// A label with its top-left corner at (100, -200), `widthMm` x `heightMm`.
BarcodeDrawer drawerOn(RecordingSurface& surface, bool shortJanNotAligned = true, int widthMm = 100,
                       int heightMm = 50) {
    return BarcodeDrawer(surface, LabelFrame{100, -200, widthMm, heightMm}, BarcodeTextFont{},
                         shortJanNotAligned);
}

RecordingSurface::DrawnCanvas onlyCanvas(const RecordingSurface& surface) {
    EXPECT_EQ(surface.canvases().size(), 1u);
    return surface.canvases().empty() ? RecordingSurface::DrawnCanvas{}
                                      : surface.canvases().front();
}

int lastBarEnd(const BarCanvas& canvas) {
    return canvas.fills.empty() ? -1
                                : canvas.fills.back().rect.left + canvas.fills.back().rect.width;
}

TEST(BarcodeDrawerTest, JanModuleWidthAndCopiedRegion) {
    const struct {
        const char* name;
        int dpi;
        const char* value;
        bool notAligned;
        int region, firstBar, lastEnd;
    } cases[] = {
        {"40 mm at 600 dpi: X = 9", 600, "4901234567894", true, 974, 99, 954},
        {"96 dpi: floor(1.5) raised to X = 2", 96, "4901234567894", true, 225, 22, 212},
        {"EAN-8 aligned: 74 of 107 modules", 600, "49012347", false, 974, 63, 666},
        {"EAN-8 not aligned: end position 85·X", 600, "49012347", true, 765, 63, 666},
    };
    for (const auto& c : cases) {
        RecordingSurface surface(256, 200, c.dpi);
        std::string value = c.value;
        const bool ean13 = value.size() == 13;
        drawerOn(surface, c.notAligned)
            .DrawJanHorizontal(barField(5, 3, 40, 20), value, withText(false), ean13);
        const auto drawn = onlyCanvas(surface);
        EXPECT_EQ(drawn.source, (CanvasRect{0, 0, c.region, 200})) << c.name;
        // 5 mm right and 3 mm down of (100, -200), 40 x 20 mm.
        EXPECT_EQ(drawn.target, (LogicalRect{150, -230, 550, -430})) << c.name;
        EXPECT_EQ(drawn.canvas.fills.size(), ean13 ? 30u : 22u) << c.name;  // 2 per digit, guards
        EXPECT_EQ(drawn.canvas.fills.front().rect.left, c.firstBar) << c.name;
        EXPECT_EQ(lastBarEnd(drawn.canvas), c.lastEnd) << c.name;
        EXPECT_GE(drawn.canvas.width, c.region) << c.name;
        EXPECT_TRUE(drawn.canvas.texts.empty()) << c.name;
    }
}

TEST(BarcodeDrawerTest, WideNarrowRegionIsTheWholeSymbolWithMargins) {
    const struct {
        const char* name;
        BarcodeKind kind;
        const char* value;
        int widthMm, region, firstBar, lastEnd;
    } cases[] = {
        {"ITF p = 3, k = floor(373 / 180) = 2", BarcodeKind::Itf, "123457", 40, 458, 40, 418},
        {"NW7 m = 206, k = floor(800 / 246) = 3", BarcodeKind::Nw7, "a1234a", 80, 658, 20, 626},
        {"CODE 39 m = 129, k = floor(200 / 169) = 1", BarcodeKind::Code39, "*A*", 20, 169, 20, 145},
    };
    for (const auto& c : cases) {
        RecordingSurface surface;
        std::string value = c.value;
        BarcodeDrawer drawer = drawerOn(surface);
        const FieldPlacement field = barField(0, 0, c.widthMm, 10);
        if (c.kind == BarcodeKind::Itf) drawer.DrawItf(field, value, withText(false));
        if (c.kind == BarcodeKind::Nw7) drawer.DrawNw7(field, value, withText(false));
        if (c.kind == BarcodeKind::Code39) drawer.DrawCode39(field, value, withText(false));
        const auto drawn = onlyCanvas(surface);
        EXPECT_EQ(drawn.source, (CanvasRect{0, 0, c.region, 200})) << c.name;
        EXPECT_EQ(drawn.canvas.fills.front().rect.left, c.firstBar) << c.name;
        EXPECT_EQ(lastBarEnd(drawn.canvas), c.lastEnd) << c.name;
    }
}

TEST(BarcodeDrawerTest, TextBandCoversTheBottomFifthOfEveryBar) {
    RecordingSurface surface(256, 200, 96);  // X = 2, end position 117·2 = 234
    std::string value = "4901234567894";
    drawerOn(surface).DrawJanHorizontal(barField(0, 0, 40, 20), value, withText(true, kRed), true);
    const BarCanvas canvas = onlyCanvas(surface).canvas;
    ASSERT_EQ(canvas.fills.size(), 31u);  // 30 bars, then the band
    for (size_t i = 0; i + 1 < canvas.fills.size(); ++i) {
        const CanvasRect& bar = canvas.fills[i].rect;
        EXPECT_EQ(canvas.fills[i].colour, kRed);
        EXPECT_TRUE(bar.top == 0 && bar.height == 200 && bar.left + bar.width <= 234) << i;
    }
    EXPECT_EQ(canvas.fills.back().rect, (CanvasRect{0, 160, 234, 40}));
    EXPECT_EQ(canvas.fills.back().colour, kWhite);
    ASSERT_EQ(canvas.texts.size(), 1u);
    const CanvasText& text = canvas.texts.front();
    EXPECT_EQ(text.box, (CanvasRect{0, 160, 234, 40}));
    EXPECT_EQ(text.text, "4901234567894");
    // Height 40, character width floor(234 / (13 + 6)), normal weight, the default face.
    EXPECT_EQ(std::vector<int>({text.height, text.width, text.weight}),
              std::vector<int>({40, 12, 400}));
    EXPECT_EQ(text.faceName, "Arial");
    EXPECT_FALSE(text.upward);
    EXPECT_EQ(text.colour, kRed);

    // A bold face of the settings; the text ends at the first blank ("* A*" is valid CODE 39:
    // m = 172, k = 1, region 212, n = 1).
    RecordingSurface bold;
    value = "* A*";
    BarcodeDrawer(bold, LabelFrame{}, BarcodeTextFont{"Courier", true}, true)
        .DrawCode39(barField(0, 0, 20, 10), value, withText(true));
    const CanvasText star = onlyCanvas(bold).canvas.texts.at(0);
    EXPECT_EQ(star.text, "*");
    EXPECT_EQ(star.faceName, "Courier");
    EXPECT_EQ(star.weight, 700);
    EXPECT_EQ(star.width, 212);
}

TEST(BarcodeDrawerTest, VerticalSymbolsAreStripesTurnedByTheirDirection) {
    RecordingSurface right(256, 200, 600);
    std::string value = "4901234567894";
    drawerOn(right).DrawJanVertical(barField(2, 1, 20, 40), value, withText(true), true);
    const auto drawn = onlyCanvas(right);
    // X = floor(200·600 / 25400) = 4: region 200 wide, 107·4 + 11 = 439 high, from the top.
    EXPECT_EQ(drawn.source, (CanvasRect{0, 0, 200, 439}));
    EXPECT_EQ(drawn.target, (LogicalRect{120, -210, 320, -610}));
    EXPECT_EQ(drawn.canvas.fills.front().rect, (CanvasRect{0, 44, 200, 4}));
    // The band: the left 40 units over the whole canvas, the text upward along 117·4 = 468.
    EXPECT_GE(drawn.canvas.height, 468);
    EXPECT_EQ(drawn.canvas.fills.back().rect, (CanvasRect{0, 0, 40, drawn.canvas.height}));
    ASSERT_EQ(drawn.canvas.texts.size(), 1u);
    EXPECT_EQ(drawn.canvas.texts[0].box, (CanvasRect{0, 0, 40, 468}));
    EXPECT_TRUE(drawn.canvas.texts[0].upward);
    EXPECT_EQ(drawn.canvas.texts[0].width, 24);  // floor(468 / 19)

    // Facing left: k = max(1, floor(73 / 180)), region 229; top-left to the bottom-right.
    RecordingSurface left;
    value = "123457";
    drawerOn(left).DrawItf(barField(2, 1, 10, 50, 0x08), value, withText(false));
    EXPECT_EQ(onlyCanvas(left).source, (CanvasRect{0, 0, 200, 229}));
    EXPECT_EQ(onlyCanvas(left).target, (LogicalRect{220, -710, 120, -210}));
    EXPECT_EQ(onlyCanvas(left).canvas.fills.front().rect, (CanvasRect{0, 20, 200, 3}));
}

// A printer that asks for whole dots gets the symbol in its dots: 38 mm at 203 dpi are 303 dots,
// two a module; the field stays the target and the text band is the bottom fifth of 18 mm.
TEST(BarcodeDrawerTest, WholeDotPrintersGetTheSymbolInTheirDots) {
    RecordingSurface surface(2, 200, 203);
    surface.setBarRaster({true, 0});
    std::string value = "4901234567894";
    drawerOn(surface).DrawJanHorizontal(barField(2, 1, 38, 18), value, withText(true), true);
    ASSERT_EQ(surface.callsStartingWith("dot canvas").size(), 1u);
    const auto drawn = onlyCanvas(surface);
    EXPECT_EQ(drawn.target, (LogicalRect{120, -210, 500, -390}));
    // The region of 107 modules and 11 units (X = 3) on 2 dots a module: 214 + 7 dots.
    EXPECT_EQ(drawn.source, (CanvasRect{0, 0, 221, 143}));
    EXPECT_EQ(drawn.canvas.fills.front().rect, (CanvasRect{22, 0, 2, 143}));
    ASSERT_EQ(drawn.canvas.texts.size(), 1u);
    EXPECT_EQ(drawn.canvas.texts[0].box, (CanvasRect{0, 143 - 28, 2 * 117, 28}));

    // A field too small for one dot a module is stretched as everywhere else; so is a surface
    // that asks nothing.
    RecordingSurface small(2, 200, 203);
    small.setBarRaster({true, 0});
    drawerOn(small).DrawJanHorizontal(barField(2, 1, 12, 18), value, withText(true), true);
    EXPECT_EQ(small.callsStartingWith("canvas").size(), 1u);
    RecordingSurface plain(2, 200, 203);
    drawerOn(plain).DrawJanHorizontal(barField(2, 1, 38, 18), value, withText(true), true);
    EXPECT_EQ(plain.callsStartingWith("canvas").size(), 1u);
    EXPECT_TRUE(plain.callsStartingWith("dot canvas").empty());
}

TEST(BarcodeDrawerTest, FailedValuesShowTheirMessageAtTheFieldCorner) {
    RecordingSurface surface;
    std::string value = "4901234567890";  // 4 is the check digit
    drawerOn(surface).DrawJanHorizontal(barField(5, 3, 40, 20), value, withText(true, kRed), true);
    EXPECT_EQ(surface.calls(),
              (std::vector<std::string>{"font ＭＳ 明朝 30 w0 e0 700", "textColour 0000FF",
                                        "textOut 150 -230 ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(4)",
                                        "font  20 w0 e0 450"}));  // the previous font back

    const struct {
        BarcodeKind kind;
        const char* value;
        const char* message;
    } cases[] = {
        {BarcodeKind::Itf, "12345", "Err1 桁が奇数です"},
        {BarcodeKind::Nw7, "a12b4a", "Err4 文字配置ｴﾗｰ"},
        {BarcodeKind::Code39, "*A*B*", "Err4 * 使用ｴﾗｰ"},
        {BarcodeKind::Nw7, "", "Err1 有効な文字がない"},
    };
    for (const auto& c : cases) {
        RecordingSurface other;
        value = c.value;
        BarcodeDrawer drawer = drawerOn(other);
        const FieldPlacement field = barField(1, 2, 40, 20);
        if (c.kind == BarcodeKind::Itf) drawer.DrawItf(field, value, withText(false));
        if (c.kind == BarcodeKind::Nw7) drawer.DrawNw7(field, value, withText(false));
        if (c.kind == BarcodeKind::Code39) drawer.DrawCode39(field, value, withText(false));
        EXPECT_TRUE(other.canvases().empty()) << c.value;
        EXPECT_EQ(other.callsStartingWith("textOut"),
                  std::vector<std::string>{std::string("textOut 110 -220 ") + c.message});
    }
}

// ---- Direct bar printing: a label at (100, -200), the field at its corner --------------------

// "a1a" at mw = 2 from x = 120: "a" 6 6 14 14 6 14 6 + gap 8, "1" 6 6 6 6 14 14 6 + gap 8.
std::vector<std::string> a1aBars(int top, int bottom, int rightEdge = INT_MAX) {
    const int edges[][2] = {{120, 126}, {132, 146}, {160, 166}, {180, 186},   // a
                            {194, 200}, {206, 212}, {218, 232}, {246, 252},   // 1: 194 to 260
                            {260, 266}, {272, 286}, {300, 306}, {320, 326}};  // a
    std::vector<std::string> out;
    for (const auto& e : edges) {
        if (e[0] >= rightEdge) break;
        out.push_back("fill " + std::to_string(e[0]) + " " + std::to_string(top) + " " +
                      std::to_string(std::min(e[1], rightEdge)) + " " + std::to_string(bottom) +
                      " 000000");
    }
    return out;
}

TEST(BarcodeDrawerDirectTest, ExactWidthsCutAtTheLabelEdges) {
    RecordingSurface surface;
    std::string value = "a1a";
    EXPECT_EQ(drawerOn(surface).DrawNw7Direct(barField(0, 0, 30, 10), value, withText(false), 2),
              334 + 6);  // after the last gap, plus 3·mw
    EXPECT_EQ(surface.callsStartingWith("fill"), a1aBars(-200, -300));

    // Right edge 100 + 150 cuts the bar 246-252; a field 10 mm high at 45 mm ends at the
    // label's bottom edge, -200 - 500.
    RecordingSurface cut;
    value = "a1a";
    EXPECT_EQ(
        drawerOn(cut, true, 15).DrawNw7Direct(barField(0, 45, 30, 10), value, withText(false), 2),
        340);
    EXPECT_EQ(cut.callsStartingWith("fill"), a1aBars(-650, -700, 250));

    RecordingSurface below;  // the field starts at the bottom edge: nothing to paint
    value = "a1a";
    drawerOn(below).DrawNw7Direct(barField(0, 50, 30, 10), value, withText(true), 2);
    EXPECT_TRUE(below.calls().empty());
}

TEST(BarcodeDrawerDirectTest, TextTakesTheLastFifthOfTheHeight) {
    RecordingSurface surface;
    std::string value = "a1a";
    drawerOn(surface).DrawNw7Direct(barField(0, 0, 30, 10), value, withText(true), 2);
    EXPECT_EQ(surface.callsStartingWith("fill"), a1aBars(-200, -280));
    // W = 214 (120 to 334), n = 3: width floor(214 / 4); the font is as high as the band.
    EXPECT_EQ(surface.callsStartingWith("font"),
              (std::vector<std::string>{"font Arial 20 w53 e0 400", "font  20 w0 e0 450"}));
    EXPECT_EQ(surface.callsStartingWith("textInRect"),
              std::vector<std::string>{"textInRect 120 -280 334 -300 centre middle a1a"});
}

TEST(BarcodeDrawerDirectTest, ModuleWidthLimitsAndErrors) {
    const int widths[][2] = {{0, 1}, {-4, 1}, {3, 3}, {9, 3}};  // asked, used
    for (const auto& w : widths) {
        RecordingSurface surface;
        std::string value = "*A*";  // m = 129
        EXPECT_EQ(drawerOn(surface).DrawCode39Direct(barField(0, 0, 30, 10), value, withText(false),
                                                     w[0]),
                  120 + 129 * w[1] + 3 * w[1])
            << w[0];
    }
    RecordingSurface surface;
    std::string value = "A12B4A";  // lower-cased, then code 4
    EXPECT_EQ(drawerOn(surface).DrawNw7Direct(barField(1, 2, 30, 10), value, withText(false), 2),
              0);
    value = "*A*B*";
    EXPECT_EQ(drawerOn(surface).DrawCode39Direct(barField(1, 2, 30, 10), value, withText(false), 2),
              0);
    EXPECT_EQ(surface.callsStartingWith("textOut"),
              (std::vector<std::string>{"textOut 110 -220 Error code 4 a12b4a",
                                        "textOut 110 -220 Error code 4"}));
    EXPECT_TRUE(surface.callsStartingWith("fill").empty());
}

// ---- drawBarcodeField: field 3 at 5, 3 mm, 40 x 20 mm, of a 100 x 50 mm label -----------------

LabelDefinition definitionWith(int attributes, int widthMm = 40, int heightMm = 20) {
    LabelDefinition definition;
    definition.sheet.labelWidthMm = 100;
    definition.sheet.labelHeightMm = 50;
    definition.fields[3] = barField(5, 3, widthMm, heightMm);
    definition.fields[3].attributes = attributes;
    return definition;
}

constexpr int kJan = static_cast<int>(BarcodeKind::Jan);
constexpr int kNw7 = static_cast<int>(BarcodeKind::Nw7);

TEST(DrawBarcodeFieldTest, PreparesAndPicksTheRoutine) {
    RecordingSurface placed;
    drawBarcodeField(placed, definitionWith(kJan), 3, "4901234567894", 1000, -500, {});
    EXPECT_EQ(onlyCanvas(placed).target, (LogicalRect{1050, -530, 1450, -730}));
    EXPECT_TRUE(onlyCanvas(placed).canvas.texts.empty());

    // 12 digits get the check digit 0: drawn when 0 is right, else the check-digit message,
    // unless the field ignores its check digit.
    RecordingSurface good, bad, ignored, text, vertical;
    drawBarcodeField(good, definitionWith(kJan), 3, "490123456787", 1000, -500, {});
    EXPECT_EQ(good.canvases().size(), 1u);
    drawBarcodeField(bad, definitionWith(kJan), 3, "490123456789", 1000, -500, {});
    EXPECT_TRUE(bad.canvases().empty());
    EXPECT_EQ(bad.callsStartingWith("textOut"),
              std::vector<std::string>{"textOut 1050 -530 ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(4)"});
    drawBarcodeField(ignored, definitionWith(kJan | kBarcodeIgnoreCheckDigit), 3, "490123456789", 0,
                     0, {});
    EXPECT_EQ(ignored.canvases().size(), 1u);

    drawBarcodeField(text, definitionWith(kJan | kBarcodeShowText), 3, "4901234567894", 0, 0, {});
    EXPECT_EQ(onlyCanvas(text).canvas.texts.size(), 1u);
    drawBarcodeField(vertical, definitionWith(kJan, 20, 40), 3, "4901234567894", 0, 0, {});
    EXPECT_EQ(onlyCanvas(vertical).source.width, 200);
}

TEST(DrawBarcodeFieldTest, NothingForCode128TextOrAnIndexOutsideTheTable) {
    const int cases[][2] = {{static_cast<int>(BarcodeKind::Code128), 3},
                            {0, 3},
                            {kJan, -1},
                            {kJan, 30}};  // attributes, index
    for (const auto& c : cases) {
        RecordingSurface surface;
        drawBarcodeField(surface, definitionWith(c[0]), c[1], "4901234567894", 0, 0, {});
        EXPECT_TRUE(surface.calls().empty()) << c[0] << " " << c[1];
    }
}

TEST(DrawBarcodeFieldTest, MonochromeSurfaceDrawsBlack) {
    LabelDefinition definition = definitionWith(kJan);
    definition.fields[3].colourIndex = 2;
    ASSERT_NE(colourOfIndex(2), kBlack);
    RecordingSurface colour(256), mono(2);
    drawBarcodeField(colour, definition, 3, "4901234567894", 0, 0, {});
    drawBarcodeField(mono, definition, 3, "4901234567894", 0, 0, {});
    EXPECT_EQ(onlyCanvas(colour).canvas.fills.at(0).colour, colourOfIndex(2));
    EXPECT_EQ(onlyCanvas(mono).canvas.fills.at(0).colour, kBlack);
}

TEST(DrawBarcodeFieldTest, DirectModeUsesTheStoredModuleWidth) {
    // The first bar of "1" follows "a" (37·mw) from x = 1000 + 50 + 20.
    const int cases[][2] = {{2, 1144}, {3, 1181}, {0, 1107}, {4, 1107}, {-1, 1107}};
    for (const auto& c : cases) {
        LabelDefinition definition = definitionWith(kNw7);
        definition.directBarPrinting = 1;
        definition.moduleWidth = c[0];
        RecordingSurface surface;
        drawBarcodeField(surface, definition, 3, "a1a", 1000, -500, {});
        const auto bars = surface.callsStartingWith("fill");
        ASSERT_EQ(bars.size(), 12u) << c[0];
        EXPECT_EQ(bars[4].rfind("fill " + std::to_string(c[1]) + " -530 ", 0), 0u) << bars[4];
    }
}

TEST(BarcodeDrawerTest, ExtremeValuesStayBounded) {
    RecordingSurface surface(256, 200, INT_MAX);
    BarcodeDrawer drawer(surface, LabelFrame{INT_MAX, INT_MIN, INT_MAX, INT_MAX}, BarcodeTextFont{},
                         false);
    FieldPlacement field = barField(INT_MAX, INT_MIN, INT_MAX, INT_MAX);
    BarcodeDrawOptions options = withText(true);
    options.scale = INT_MAX;
    std::string value = "4901234567894";
    drawer.DrawJanHorizontal(field, value, options, true);
    EXPECT_GT(onlyCanvas(surface).source.width, 0);
    EXPECT_LE(onlyCanvas(surface).source.width, 107 * 10000 + 11);

    value = "a" + std::string(300, '1') + "a";  // cut to 127 bytes: the stop is lost
    drawer.DrawNw7(field, value, options);
    EXPECT_EQ(value.size(), 127u);
    EXPECT_EQ(surface.canvases().size(), 1u);

    // Far left of any page: the returned x saturates, and the field lies below the label.
    surface.clear();
    value = "*ABC*";
    field = barField(INT_MIN, INT_MAX, INT_MIN, INT_MAX);
    EXPECT_EQ(drawer.DrawCode39Direct(field, value, options, 3), INT_MIN);
    EXPECT_TRUE(surface.callsStartingWith("fill").empty());

    RecordingSurface noDpi(256, 200, 0);  // X = 2 even without a resolution or a width
    value = "4901234567894";
    drawerOn(noDpi).DrawJanVertical(barField(0, 0, 0, 0), value, withText(true), true);
    EXPECT_EQ(onlyCanvas(noDpi).source.height, 225);
}

}  // namespace
}  // namespace qv
