// A barcode laid out on a raster printer's own dots: every module (JAN) or narrow element (ITF,
// NW7, CODE 39) the same whole number of dots, every wide element too, the largest that lets the
// copied region fit the field. A stretched symbol gets bars one dot wider or narrower here and
// there; this one has none of that width jitter.
#pragma once

#include <optional>
#include <vector>

#include "label/barcode/bar_encoding.h"

namespace qv {

// The canvas units of a symbol's elements. JAN: every run a multiple of `narrowUnits` (the
// module) and `wideUnits` 0; ITF, NW7, CODE 39: narrow and wide elements, other runs (gaps,
// margins) scaled as narrow ones.
struct SymbolGrid {
    int narrowUnits = 1;
    int wideUnits = 0;
};

struct DotBar {
    int start = 0;  // dots from the region's start
    int end = 0;    // just after the bar
};

struct DotSymbol {
    int narrowDots = 0;  // dots per module or narrow element
    int wideDots = 0;    // dots per wide element; 0 for JAN
    int regionDots = 0;  // the copied region, margins included
    int canvasDots = 0;  // the whole symbol with both margins (the text band's length)
    std::vector<DotBar> bars;
};

// Dots of a wide element for `narrowDots` and the symbol's ratio, at least 2.25 narrow ones as
// readers ask of two-width symbols at small sizes.
int wideElementDots(int narrowDots, const SymbolGrid& grid);

// The symbol of `regionUnits` copied canvas units on at most `fieldDots` dots, each bar
// `reductionDots` narrower (never below one dot), the spaces as much wider. Nothing when even one
// dot per module does not fit: the field is too small for whole dots.
std::optional<DotSymbol> layOutOnDots(const BarSymbol& symbol, const SymbolGrid& grid,
                                      int regionUnits, int fieldDots, int reductionDots);

// The same with `narrowDots` given, whether it fits or not.
DotSymbol layOutWithNarrowDots(const BarSymbol& symbol, const SymbolGrid& grid, int regionUnits,
                               int narrowDots, int reductionDots);

}  // namespace qv
