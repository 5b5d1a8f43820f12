// The small edit that opens over one grid cell: Enter confirms, Escape ends, Shift+TAB goes
// back a field. The grid decides what each of them does.
#pragma once

#include <QLineEdit>

namespace qv {

class CellEditor : public QLineEdit {
    Q_OBJECT

  public:
    explicit CellEditor(QWidget* parent = nullptr);

  signals:
    void confirmed();
    void cancelled();
    void backTabbed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qv
