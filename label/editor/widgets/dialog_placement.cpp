#include "label/editor/widgets/dialog_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qv {

void placeBesideView(QWidget& dialog, const QRect& view) {
    const QRect screen = dialog.screen()->availableGeometry();
    const QSize size = dialog.frameGeometry().size();
    int x = view.left() - size.width();
    if (x < screen.left()) x = view.right() + 1;
    const int lowest = std::max(screen.top(), screen.bottom() + 1 - size.height());
    dialog.move(x, std::clamp(view.top(), screen.top(), lowest));
}

}  // namespace qv
