// Where a modeless dialog of the layout editor opens: beside the editor, never over the label the
// user has to click on.
#pragma once

#include <QRect>

class QWidget;

namespace qv {

// Moves `dialog` (shown, so its frame has its real size) to the left of `view` (global
// coordinates) where the screen has room, else to its right; its top level with the view's,
// kept on the screen.
void placeBesideView(QWidget& dialog, const QRect& view);

}  // namespace qv
