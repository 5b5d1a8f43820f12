// Where the grid's rows and columns lie, in content pixels (before scrolling).
//
// The record-number column is as many character widths wide as the highest row number drawn has
// digits, 4 at least; field column k is columnWidths[k]
// characters wide, 10 when that width is 0. Row r (a record number from 1) starts at
// (r - 1) x row height. The scrollable area is the columns plus 3 pixels across and the
// document's lines plus 4 rows down.
#pragma once

#include <cstddef>
#include <vector>

#include "editor/model/rowsmith_doc.h"

namespace qv {

class GridGeometry {
  public:
    // Lays out one column per field name, storing the pixel widths into displayWidths.
    void layout(CROWSMITHDoc& document, int rowHeight, int charWidth);

    int rowHeight() const { return rowHeight_; }
    int charWidth() const { return charWidth_; }
    int numberWidth() const { return lefts_.front(); }
    size_t columnCount() const { return lefts_.size() - 1; }
    int columnLeft(size_t field) const { return lefts_[field]; }
    int columnWidth(size_t field) const { return lefts_[field + 1] - lefts_[field]; }
    int contentWidth() const { return lefts_.back() + 3; }
    int contentHeight(size_t lines) const;

    // The field column at content x; -1 over the record numbers or right of the last column.
    int fieldAt(int x) const;
    // The record number at content y (1 for the first row).
    int rowAt(int y) const { return y / rowHeight_ + 1; }
    int rowTop(int row) const { return (row - 1) * rowHeight_; }

    // The digits of the highest row number that the extent of `lines` lines shows, 4 at least.
    static int numberDigits(size_t lines);

  private:
    int rowHeight_ = 16;
    int charWidth_ = 8;
    std::vector<int> lefts_{32};  // left edge of every field column, then the right edge
};

}  // namespace qv
