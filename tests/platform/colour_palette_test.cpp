// The colour table's swatches: what a click selects and reports.
#include "platform/colour_palette.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace qv {
namespace {

TEST(ColourPaletteTest, ClickSelectsAndReportsTheSwatch) {
    ColourPalette palette;
    palette.resize(palette.sizeHint());
    QSignalSpy chosen(&palette, &ColourPalette::colourChosen);
    EXPECT_EQ(palette.selectedIndex(), -1);
    QTest::mouseClick(&palette, Qt::LeftButton, {}, palette.swatchRect(13).center());
    EXPECT_EQ(palette.selectedIndex(), 13);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 13);
    // Two rows of ten: swatch 13 is the fourth of the second row.
    EXPECT_EQ(palette.swatchRect(13).topLeft(), palette.swatchRect(3).bottomLeft() + QPoint(0, 1));
    EXPECT_TRUE(palette.rect().contains(palette.swatchRect(19)));
}

TEST(ColourPaletteTest, SettingAnIndexOutsideTheTableSelectsNone) {
    ColourPalette palette;
    QSignalSpy chosen(&palette, &ColourPalette::colourChosen);
    palette.setSelectedIndex(4);
    EXPECT_EQ(palette.selectedIndex(), 4);
    palette.setSelectedIndex(20);
    EXPECT_EQ(palette.selectedIndex(), -1);
    EXPECT_EQ(chosen.count(), 0);  // only a click is the user's choice
}

}  // namespace
}  // namespace qv
