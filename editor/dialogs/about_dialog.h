// The data editor's About box: program name, version, what it is for, copyright and the Qt
// version it runs on.
#pragma once

#include <QDialog>

namespace qv {

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    // `version` is the program's QUORVI_VERSION.
    explicit AboutDialog(const QString& version, QWidget* parent = nullptr);
};

}  // namespace qv
