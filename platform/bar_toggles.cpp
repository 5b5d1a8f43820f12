#include "platform/bar_toggles.h"

#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace qv {

void addBarToggles(QMainWindow& window, QMenu& menu) {
    QAction* toolbar = menu.addAction(QStringLiteral("ツール バー(&T)"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    QObject::connect(toolbar, &QAction::toggled, &window, [&window](bool on) {
        for (QToolBar* bar : window.findChildren<QToolBar*>()) bar->setVisible(on);
    });
    QAction* status = menu.addAction(QStringLiteral("ステータス バー(&S)"));
    status->setCheckable(true);
    status->setChecked(true);
    QObject::connect(status, &QAction::toggled, window.statusBar(), &QWidget::setVisible);
    QObject::connect(&menu, &QMenu::aboutToShow, &window, [&window, toolbar, status] {
        const QList<QToolBar*> bars = window.findChildren<QToolBar*>();
        toolbar->setChecked(!bars.isEmpty() && !bars.constFirst()->isHidden());
        status->setChecked(!window.statusBar()->isHidden());
    });
}

}  // namespace qv
