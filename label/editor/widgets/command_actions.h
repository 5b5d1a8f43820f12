// Menu entries and toolbar buttons that carry a command of the label program by its id.
#pragma once

#include <QAction>
#include <optional>

#include "label/editor/forms/label_command.h"

class QMenu;
class QWidget;

namespace qv {

// An entry `text` (UTF-8) in `menu` (or a button on a toolbar) that carries `command`.
QAction* addCommandAction(QWidget& menuOrToolBar, const QString& text, LabelCommand command);

// The command an entry carries; nothing for an entry without one.
std::optional<LabelCommand> commandOf(const QAction* action);

}  // namespace qv
