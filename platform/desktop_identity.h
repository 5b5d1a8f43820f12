// What the desktop shows of a program: its window icon, the desktop entry it belongs to (so a
// taskbar groups and labels its windows), and the icons of its toolbar buttons.
#pragma once

#include <QIcon>

class QApplication;

namespace qv {

// `program` is "quorvi32" or "rowsmith": the name of its desktop entry and of its icon.
void setUpDesktopIdentity(QApplication& application, const char* program);

// A toolbar icon by its freedesktop name ("document-open"): the desktop's icon theme when it has
// one, else the program's own drawing of it.
QIcon toolIcon(const char* themeName);

}  // namespace qv
