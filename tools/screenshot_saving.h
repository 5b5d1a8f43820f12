// What the screenshot tools share: the application they run in and how a dialog's picture is
// saved.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>

#include "platform/qt_translations.h"

namespace qv::screenshots {

// A Qt application whose buttons read as the programs show them (Japanese Qt texts).
class Application : public QApplication {
  public:
    Application(int& argc, char** argv) : QApplication(argc, argv) { installQtJapanese(*this); }
};

// Shows `dialog`, saves its picture as `folder`/`name`.png and closes it again.
inline void save(QDialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/" + name + ".png");
    dialog.close();
}

}  // namespace qv::screenshots
