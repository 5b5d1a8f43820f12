#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecordingSurfaceTest, MeasuresTextByItsFixedRule) {
    RecordingSurface surface;
    FontSpec font;
    font.height = 40;
    surface.selectFont(font);
    // "AB" then "あ" (82 A0): 20 + 20 + 40; asking for 5 characters adds two blanks of 20.
    EXPECT_EQ(surface.textExtent("AB\x82\xa0", 3).cx, 80);
    EXPECT_EQ(surface.textExtent("AB\x82\xa0", 5).cx, 120);
    EXPECT_EQ(surface.textExtent("AB\x82\xa0", 1).cx, 20);
    EXPECT_EQ(surface.textExtent("", 2).cy, 40);
    font.width = 7;  // a condensed font measures by its character width
    surface.selectFont(font);
    EXPECT_EQ(surface
                  .textExtent("\x82\xa0"
                              "A",
                              2)
                  .cx,
              21);
}

TEST(RecordingSurfaceTest, RecordsCallsAsReadableLines) {
    RecordingSurface surface;
    FontSpec font;
    font.faceName = "Arial";
    const FontSpec previous = surface.selectFont(font);
    EXPECT_EQ(previous.faceName, "");
    surface.drawTextInRect({10, -20, 110, -60}, "\x95\x5c", HAlign::Right, VAlign::Bottom);
    surface.fillRect({0, 0, 5, -5}, 0x0000FF);
    EXPECT_EQ(surface.calls(),
              (std::vector<std::string>{"font Arial 20 w0 e0 450",
                                        "textInRect 10 -20 110 -60 right bottom 表",
                                        "fill 0 0 5 -5 0000FF"}));
}

}  // namespace
}  // namespace qv
