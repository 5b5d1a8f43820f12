#include "editor/widgets/cell_editor.h"

#include <QKeyEvent>

namespace qv {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
}

// TAB keys would move the focus before keyPressEvent sees them.
bool CellEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shiftTab = key->key() == Qt::Key_Backtab ||
                              (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (shiftTab) {
            emit backTabbed();
            return true;
        }
        if (key->key() == Qt::Key_Tab) return true;
    }
    return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit confirmed();
            return;
        case Qt::Key_Escape:
            emit cancelled();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

}  // namespace qv
