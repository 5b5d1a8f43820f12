#include "label/editor/widgets/entry_list.h"

#include <QSignalBlocker>

namespace qv {

void EntryList::focusInEvent(QFocusEvent* event) {
    if (currentRow() >= 0) {
        QListWidget::focusInEvent(event);
        return;
    }
    const QSignalBlocker quiet(this);
    QListWidget::focusInEvent(event);
    selectionModel()->clearCurrentIndex();
}

}  // namespace qv
