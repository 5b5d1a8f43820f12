// The "表示" menu entries both main windows share: the toolbar and the status bar shown or hidden.
#pragma once

class QMainWindow;
class QMenu;

namespace qv {

// Adds "ツール バー(&T)" and "ステータス バー(&S)" to `menu`; their ticks follow the bars each time
// the menu opens.
void addBarToggles(QMainWindow& window, QMenu& menu);

}  // namespace qv
