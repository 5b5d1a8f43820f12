// "ラベルの番号": the start number of the label running number.
#pragma once

#include <QDialog>

#include "common/message_service.h"

class QLineEdit;

namespace qv {

class SerialNumberDialog : public QDialog {
    Q_OBJECT

  public:
    SerialNumberDialog(int startNumber, MessageService& messages, QWidget* parent = nullptr);

    // OK: a field that is not a whole number 0 to 65535 is refused with a message and the
    // dialog stays open.
    void accept() override;

    // The number confirmed with OK (the opening value until then).
    int startNumber() const { return startNumber_; }
    QLineEdit* startEdit() const { return startEdit_; }

  private:
    QLineEdit* startEdit_;
    MessageService& messages_;
    int startNumber_;
};

// Runs the dialog; on OK stores the number and gives true, on Cancel leaves it.
bool editSerialStartNumber(QWidget* parent, int& serialStartNumber, MessageService& messages);

}  // namespace qv
