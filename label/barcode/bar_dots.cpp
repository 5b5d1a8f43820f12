#include "label/barcode/bar_dots.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The dots of a run (or margin) of `units` canvas units at `narrowDots` per narrow element.
long long runDots(int units, const SymbolGrid& grid, int narrowDots) {
    const int narrow = std::max(1, grid.narrowUnits);
    if (grid.wideUnits > 0) {
        if (units == narrow) return narrowDots;
        if (units == grid.wideUnits) return wideElementDots(narrowDots, grid);
    }
    if (grid.wideUnits == 0 && units % narrow == 0) {
        return static_cast<long long>(units / narrow) * narrowDots;
    }
    return std::llround(static_cast<double>(units) * narrowDots / narrow);
}

DotSymbol placeRuns(const BarSymbol& symbol, const SymbolGrid& grid, int regionUnits,
                    int narrowDots) {
    DotSymbol out;
    out.narrowDots = narrowDots;
    out.wideDots = grid.wideUnits > 0 ? wideElementDots(narrowDots, grid) : 0;
    long long x = runDots(symbol.firstBarX, grid, narrowDots);
    for (const BarRun& run : symbol.runs) {
        const long long width = runDots(run.width, grid, narrowDots);
        if (run.bar) out.bars.push_back({static_cast<int>(x), static_cast<int>(x + width)});
        x += width;
    }
    const int end = symbol.symbolEnd();
    const long long region = x + runDots(std::max(0, regionUnits - end), grid, narrowDots);
    const long long canvas = x + runDots(std::max(0, symbol.canvasWidth - end), grid, narrowDots);
    out.regionDots = static_cast<int>(region);
    out.canvasDots = static_cast<int>(std::max(region, canvas));
    return out;
}

void reduceBars(std::vector<DotBar>& bars, int reductionDots) {
    for (DotBar& bar : bars) {
        const int taken = std::clamp(reductionDots, 0, bar.end - bar.start - 1);
        bar.start += taken / 2;
        bar.end -= taken - taken / 2;
    }
}

}  // namespace

int wideElementDots(int narrowDots, const SymbolGrid& grid) {
    const int narrow = std::max(1, grid.narrowUnits);
    const long long ratioDots =
        std::llround(static_cast<double>(narrowDots) * grid.wideUnits / narrow);
    const long long least = (9LL * narrowDots + 3) / 4;  // 2.25 narrow, rounded up
    return static_cast<int>(std::max(ratioDots, least));
}

std::optional<DotSymbol> layOutOnDots(const BarSymbol& symbol, const SymbolGrid& grid,
                                      int regionUnits, int fieldDots, int reductionDots) {
    if (regionUnits <= 0 || fieldDots <= 0 || symbol.runs.empty()) return std::nullopt;
    const int narrow = std::max(1, grid.narrowUnits);
    // The stretch would give this many dots per narrow unit; whole dots can only be fewer.
    int dots = static_cast<int>(
        std::min<long long>(static_cast<long long>(fieldDots) * narrow / regionUnits + 1, 10000));
    for (; dots >= 1; --dots) {
        DotSymbol placed = placeRuns(symbol, grid, regionUnits, dots);
        if (placed.regionDots > fieldDots) continue;
        reduceBars(placed.bars, reductionDots);
        return placed;
    }
    return std::nullopt;
}

DotSymbol layOutWithNarrowDots(const BarSymbol& symbol, const SymbolGrid& grid, int regionUnits,
                               int narrowDots, int reductionDots) {
    DotSymbol placed = placeRuns(symbol, grid, regionUnits, std::clamp(narrowDots, 1, 10000));
    reduceBars(placed.bars, reductionDots);
    return placed;
}

}  // namespace qv
