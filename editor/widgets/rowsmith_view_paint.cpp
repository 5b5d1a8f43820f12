// Drawing the grid: only the rows inside the window, so the document's size costs nothing.
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "common/record_line.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

const QColor kNumberColour(128, 0, 0);
const QColor kCurrentRowColour(0, 128, 0);

}  // namespace

void CROWSMITHView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Base));
    const int scrollY = verticalScrollBar()->value();
    const int firstRow = geometry_.rowAt(scrollY + std::max(area.top(), 0));
    const int lastRow = geometry_.rowAt(scrollY + std::max(area.bottom(), 0));
    const int records = document_.recordCount();
    const int lastDrawn = std::min(lastRow, editor_.blankRowActive() ? records + 1 : records);
    paintNumbers(painter, firstRow, lastDrawn);
    painter.setFont(screenFont_);
    painter.setPen(palette().color(QPalette::Text));
    for (int row = firstRow; row <= lastDrawn; ++row) {
        const std::string& line =
            row <= records ? document_.lines[static_cast<size_t>(row)] : editor_.blankRow();
        paintFields(painter, geometry_.rowTop(row) - scrollY, line);
    }
    paintMarks(painter, firstRow, lastRow);
}

void CROWSMITHView::paintNumbers(QPainter& painter, int firstRow, int lastRow) const {
    painter.setFont(numberFont_);
    painter.setPen(kNumberColour);
    const int left = -horizontalScrollBar()->value();
    const int scrollY = verticalScrollBar()->value();
    const QFontMetrics metrics(numberFont_);
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect cell(left, geometry_.rowTop(row) - scrollY, geometry_.numberWidth(),
                         geometry_.rowHeight());
        const QString number = QString::number(row);
        // A number too long for its cell keeps its last digits, which tell the rows apart.
        const bool fits = metrics.horizontalAdvance(number) <= cell.width();
        painter.drawText(cell, Qt::AlignVCenter | (fits ? Qt::AlignHCenter : Qt::AlignRight),
                         number);
    }
}

// Each field left-aligned in its column; fields beyond the named columns have no place.
void CROWSMITHView::paintFields(QPainter& painter, int top, const std::string& line) const {
    const DataRecord fields = SplitRecordLine(line);
    const int scrollX = horizontalScrollBar()->value();
    const int right = viewport()->width();
    const size_t columns = std::min(fields.size(), geometry_.columnCount());
    for (size_t k = 0; k < columns; ++k) {
        const int left = geometry_.columnLeft(k) - scrollX;
        if (left >= right) break;
        const int width = geometry_.columnWidth(k);
        if (fields[k].empty() || left + width <= 0) continue;
        painter.drawText(QRect(left + 2, top, width - 2, geometry_.rowHeight()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fromSjis(fields[k]));
    }
}

// A selected range inverted; otherwise the current row under a green bar combined with NOT XOR,
// which leaves white green and the text light on it.
void CROWSMITHView::paintMarks(QPainter& painter, int firstRow, int lastRow) const {
    const int left = -horizontalScrollBar()->value();
    const int width = geometry_.contentWidth();
    const int scrollY = verticalScrollBar()->value();
    const auto rows = [&](int first, int last) {
        return QRect(left, geometry_.rowTop(first) - scrollY, width,
                     (last - first + 1) * geometry_.rowHeight());
    };
    if (editor_.rangeSelected()) {
        const int first = std::max(editor_.rangeFirst(), firstRow);
        const int last = std::min(editor_.rangeLast(), lastRow);
        if (first > last) return;
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(rows(first, last), Qt::black);
    } else if (highlighted_) {
        const int row = editor_.currentRow();
        if (row < firstRow || row > lastRow) return;
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(rows(row, row), kCurrentRowColour);
    }
}

}  // namespace qv
