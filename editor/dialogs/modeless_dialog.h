// The frame of the data editor's modeless dialogs beside the grid. "終了", Escape and the window's
// close box all end in reject(): the dialog's own closing work runs once, the window holding the
// dialog is told (closed), and the dialog goes for real. An ended dialog does nothing more.
#pragma once

#include <QDialog>

namespace qv {

class ModelessDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ModelessDialog(QWidget* parent = nullptr);

    bool ended() const { return ended_; }

  public slots:
    void reject() final;

  signals:
    void closed();

  protected:
    // What closing does beside going away (storing the record being edited, remembering choices).
    virtual void end() {}

  private:
    bool ended_ = false;
};

}  // namespace qv
