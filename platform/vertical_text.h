// Vertical writing, as Windows draws a line in an "@" face: the line runs down the page and the
// Japanese characters stand upright one below the other.
#pragma once

#include <string_view>

class QPainter;
class QFontMetricsF;

namespace qv {

// Paints the Shift-JIS `text` in the painter's font, in the frame of a line turned 90 degrees
// clockwise: x runs down the column from 0 and the cell spans y 0 to the line height (to the
// left on the page). Double-byte characters are turned back upright, centred across the
// column; brackets, dashes and the long vowel mark lie along the line as their vertical forms
// do; the comma and full stop move to the top-right of their place. Single-byte text lies
// along the line. Each character takes its horizontal advance, so the column is as long as the
// line would be wide.
void paintVerticalLine(QPainter& painter, const QFontMetricsF& metrics, std::string_view text);

}  // namespace qv
