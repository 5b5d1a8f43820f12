#include "tests/support/bar_grade.h"

#include <algorithm>
#include <cmath>

namespace qv::test {

std::vector<int> elementWidths(const std::vector<DotRun>& runs) {
    std::vector<int> widths;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (i > 0) widths.push_back(runs[i].start - (runs[i - 1].start + runs[i - 1].length));
        widths.push_back(runs[i].length);
    }
    return widths;
}

namespace {

// One character of four elements: e1 = w1 + w2 and e2 = w2 + w3, each in modules of S / 7.
double eanCharacter(const int* w) {
    const double s = w[0] + w[1] + w[2] + w[3];
    double worst = 1;
    for (const double e : {double(w[0] + w[1]), double(w[1] + w[2])}) {
        const double modules = e * 7 / s;
        const double nearestThreshold = std::floor(modules) + 0.5;
        const double margin = std::min(std::abs(modules - nearestThreshold),
                                       std::abs(modules - (nearestThreshold - 1)));
        worst = std::min(worst, margin / 0.5);
    }
    return worst;
}

}  // namespace

double eanDecodability(const std::vector<int>& elements) {
    const bool ean13 = elements.size() == 59;
    if (!ean13 && elements.size() != 43) return -1;
    const int half = ean13 ? 6 : 4;
    double worst = 1;
    for (int side = 0; side < 2; ++side) {
        const size_t first = side == 0 ? 3 : 3 + 4 * half + 5;
        for (int c = 0; c < half; ++c) {
            worst = std::min(worst, eanCharacter(&elements[first + 4 * static_cast<size_t>(c)]));
        }
    }
    return worst;
}

double twoWidthDecodability(const std::vector<int>& elements, TwoWidthKind kind) {
    const size_t period = kind == TwoWidthKind::Code39 ? 10 : kind == TwoWidthKind::Nw7 ? 8 : 0;
    std::vector<int> kept;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (period == 0 || i % period != period - 1) kept.push_back(elements[i]);
    }
    if (kept.size() < 2) return -1;
    const auto [low, high] = std::minmax_element(kept.begin(), kept.end());
    const double split = (*low + *high) / 2.0;
    double narrowSum = 0, wideSum = 0, widestNarrow = 0, narrowestWide = 1e9;
    int narrow = 0, wide = 0;
    for (const int w : kept) {
        if (w < split) {
            narrowSum += w;
            ++narrow;
            widestNarrow = std::max<double>(widestNarrow, w);
        } else {
            wideSum += w;
            ++wide;
            narrowestWide = std::min<double>(narrowestWide, w);
        }
    }
    if (narrow == 0 || wide == 0) return -1;
    const double z = narrowSum / narrow;
    const double threshold = (z + wideSum / wide) / 2;
    const double ideal = threshold - z;
    return std::min(threshold - widestNarrow, narrowestWide - threshold) / ideal;
}

}  // namespace qv::test
