// The grid's mouse: the current row, a dragged range, the record dialog on a double click, a
// cell of the selected column to edit, and the pop-up menu.
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "editor/widgets/rowsmith_commands.h"
#include "editor/widgets/rowsmith_view.h"

namespace qv {

void CROWSMITHView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPress(event->position().toPoint());
}

void CROWSMITHView::leftPress(const QPoint& at) {
    if (!commitOpenEdit()) return;  // a click elsewhere keeps what was typed
    if (document_.headerNames.empty()) {
        emit commandRequested(rowsmith::kFieldDialog);
        return;
    }
    const int row = rowAtViewportY(at.y());
    if (selectedColumn_ >= 1 && startsCellEditing(row, at)) return;
    if (document_.lines.size() == 1) {
        emit commandRequested(rowsmith::kRecordDialog);
        return;
    }
    if (editor_.rangeSelected()) {
        editor_.clearSelection();
        highlighted_ = false;
        viewport()->update();
        emit selectionChanged();
        return;
    }
    // The row under the last record is a place too: a paste there appends.
    if (row > document_.recordCount() + 1) return;
    editor_.setCurrentRow(row);
    highlighted_ = true;
    dragging_ = true;
    dragStart_ = row;
    emit currentRowChanged(row);
    emit selectionChanged();
    viewport()->update();
}

// A click in the selected column edits that cell; under the last record, with the first column
// selected, it starts a new record.
bool CROWSMITHView::startsCellEditing(int row, const QPoint& at) {
    const int field = selectedColumn_ - 1;
    if (fieldAtViewportX(at.x()) != field) return false;
    const int records = document_.recordCount();
    if (row <= records) {
        beginEditing(row, static_cast<size_t>(field), false);
        return true;
    }
    if (field != 0) return false;
    editor_.startBlankRow();
    beginEditing(records + 1, 0, true);
    return true;
}

void CROWSMITHView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const int y = event->position().toPoint().y();
    QScrollBar* vertical = verticalScrollBar();
    if (y < 0) vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (y >= viewport()->height()) vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int last = std::max(document_.recordCount(), 1);
    const int start = std::min(dragStart_, last);
    const int row = std::clamp(rowAtViewportY(y), 1, last);
    if (row != start) {
        editor_.selectRange(start, row);
    } else {
        editor_.clearSelection();
    }
    emit selectionChanged();
    viewport()->update();
}

void CROWSMITHView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

// The first press of the double click has already made the row current.
void CROWSMITHView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || editing_.active) return;
    if (document_.recordCount() == 0) return;  // the press asked for its dialog already
    const int row = rowAtViewportY(event->position().toPoint().y());
    if (row > document_.recordCount()) return;
    dragging_ = false;
    editor_.clearSelection();
    editor_.setCurrentRow(row);
    highlighted_ = true;
    editor_.forgetUndo();
    viewport()->update();
    emit selectionChanged();
    emit commandRequested(rowsmith::kRecordDialog);
}

void CROWSMITHView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    fillContextMenu(menu);
    menu.exec(event->globalPos());
}

}  // namespace qv
