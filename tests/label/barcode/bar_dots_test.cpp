// Barcodes laid out on a printer's dots: every element a whole number of dots, the largest that
// fits, and the bar width reduction taken from the bars alone.
#include "label/barcode/bar_dots.h"

#include <gtest/gtest.h>

#include <set>

namespace qv {
namespace {

// The widths of the bars and spaces, from the first bar to the last.
std::vector<int> elementWidths(const DotSymbol& s) {
    std::vector<int> widths;
    for (size_t i = 0; i < s.bars.size(); ++i) {
        if (i > 0) widths.push_back(s.bars[i].start - s.bars[i - 1].end);
        widths.push_back(s.bars[i].end - s.bars[i].start);
    }
    return widths;
}

TEST(BarDotsTest, JanModulesAreWholeDotsAndTheLargestThatFits) {
    const int x = 4;
    const BarSymbol symbol = EncodeJan("4901234567894", true, x);
    const int region = janRegionWidth(true, x, false);
    for (const int fieldDots : {303, 448, 214, 110}) {  // 38 mm at 203 and 300 dpi, and less
        const std::optional<DotSymbol> s = layOutOnDots(symbol, {x, 0}, region, fieldDots, 0);
        ASSERT_TRUE(s) << fieldDots;
        EXPECT_LE(s->regionDots, fieldDots);
        EXPECT_GT(s->regionDots * (s->narrowDots + 1) / s->narrowDots, fieldDots);
        EXPECT_EQ(s->bars.size(), 30u);
        for (const int w : elementWidths(*s)) {
            EXPECT_EQ(w % s->narrowDots, 0) << fieldDots;
            EXPECT_LE(w / s->narrowDots, 4);
        }
        EXPECT_EQ(s->bars.front().start, 11 * s->narrowDots);  // the left quiet zone kept
    }
    EXPECT_FALSE(layOutOnDots(symbol, {x, 0}, region, 100, 0));  // not one dot per module
}

TEST(BarDotsTest, TwoWidthSymbolsHaveOneNarrowAndOneWideWidth) {
    const BarSymbol itf = EncodeItf("12345670", 2);
    const BarSymbol code39 = EncodeCode39("*ABC-123*", 1);
    struct Case {
        const BarSymbol& symbol;
        SymbolGrid grid;
    };
    for (const Case& c : {Case{itf, {6, 18}}, Case{code39, {3, 7}}}) {
        for (const int fieldDots : {160, 355, 590}) {
            const std::optional<DotSymbol> s =
                layOutOnDots(c.symbol, c.grid, c.symbol.canvasWidth, fieldDots, 0);
            ASSERT_TRUE(s) << fieldDots;
            EXPECT_LE(s->regionDots, fieldDots);
            EXPECT_GE(4 * s->wideDots, 9 * s->narrowDots);  // at least 2.25 : 1
            std::set<int> bars;
            for (const DotBar& bar : s->bars) bars.insert(bar.end - bar.start);
            EXPECT_EQ(bars, (std::set<int>{s->narrowDots, s->wideDots})) << fieldDots;
        }
    }
}

TEST(BarDotsTest, ReductionNarrowsBarsButKeepsTheirPitch) {
    const BarSymbol symbol = EncodeJan("4901234567894", true, 4);
    const int region = janRegionWidth(true, 4, false);
    const DotSymbol full = *layOutOnDots(symbol, {4, 0}, region, 448, 0);
    const DotSymbol reduced = *layOutOnDots(symbol, {4, 0}, region, 448, 3);
    ASSERT_EQ(full.narrowDots, 4);
    ASSERT_EQ(full.bars.size(), reduced.bars.size());
    for (size_t i = 0; i < full.bars.size(); ++i) {
        EXPECT_EQ(reduced.bars[i].start, full.bars[i].start + 1);
        EXPECT_EQ(reduced.bars[i].end, full.bars[i].end - 2);
    }
    // A one-dot bar keeps its dot.
    const DotSymbol thin = *layOutOnDots(symbol, {4, 0}, region, 120, 2);
    ASSERT_EQ(thin.narrowDots, 1);
    for (const DotBar& bar : thin.bars) EXPECT_GE(bar.end - bar.start, 1);
}

}  // namespace
}  // namespace qv
