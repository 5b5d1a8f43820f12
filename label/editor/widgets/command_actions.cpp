#include "label/editor/widgets/command_actions.h"

#include <QWidget>

namespace qv {

QAction* addCommandAction(QWidget& menuOrToolBar, const QString& text, LabelCommand command) {
    auto* action = new QAction(text, &menuOrToolBar);
    action->setData(static_cast<int>(command));
    menuOrToolBar.addAction(action);
    return action;
}

std::optional<LabelCommand> commandOf(const QAction* action) {
    if (action == nullptr || !action->data().isValid()) return std::nullopt;
    return static_cast<LabelCommand>(action->data().toInt());
}

}  // namespace qv
