#include "editor/widgets/grid_geometry.h"

#include <algorithm>
#include <climits>

namespace qv {

namespace {
constexpr int kWidestColumn = 9999;
constexpr int kFewestNumberDigits = 4;
constexpr size_t kRowsBelowTheLines = 4;  // as contentHeight adds
}  // namespace

int GridGeometry::numberDigits(size_t lines) {
    int digits = 1;
    for (size_t highest = lines + kRowsBelowTheLines; highest >= 10; highest /= 10) ++digits;
    return std::max(digits, kFewestNumberDigits);
}

void GridGeometry::layout(CROWSMITHDoc& document, int rowHeight, int charWidth) {
    rowHeight_ = std::max(rowHeight, 1);
    charWidth_ = std::max(charWidth, 1);
    lefts_.assign(1, numberDigits(document.lines.size()) * charWidth_);
    const size_t columns = document.headerNames.size();
    for (size_t k = 0; k < columns; ++k) {
        // A layout line holds at most four digits, so wider columns come from nowhere sane.
        int characters = k < document.columnWidths.size() ? document.columnWidths[k] : 0;
        if (characters <= 0) characters = 10;
        const int width = std::min(characters, kWidestColumn) * charWidth_;
        if (k < document.displayWidths.size()) document.displayWidths[k] = width;
        lefts_.push_back(lefts_.back() + width);
    }
}

int GridGeometry::contentHeight(size_t lines) const {
    const long long height = static_cast<long long>(lines + kRowsBelowTheLines) * rowHeight_;
    return static_cast<int>(std::min<long long>(height, INT_MAX));
}

int GridGeometry::fieldAt(int x) const {
    if (x < lefts_.front() || x >= lefts_.back()) return -1;
    const auto after = std::upper_bound(lefts_.begin(), lefts_.end(), x);
    return static_cast<int>(after - lefts_.begin()) - 1;
}

}  // namespace qv
