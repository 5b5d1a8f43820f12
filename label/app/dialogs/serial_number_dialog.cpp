#include "label/app/dialogs/serial_number_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>

#include "label/definition/serial_number.h"
#include "platform/qt_text.h"

namespace qv {

SerialNumberDialog::SerialNumberDialog(int startNumber, MessageService& messages, QWidget* parent)
    : QDialog(parent),
      startEdit_(new QLineEdit(QString::number(startNumber), this)),
      messages_(messages),
      startNumber_(startNumber) {
    setWindowTitle(QStringLiteral("ラベルの番号"));
    // The validator keeps out signs and letters; a number beyond the range that it still lets
    // through while typing is refused at OK.
    startEdit_->setValidator(new QIntValidator(kSerialStartMin, kSerialStartMax, startEdit_));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SerialNumberDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("スタート番号"), startEdit_);
    layout->addRow(buttons);
}

void SerialNumberDialog::accept() {
    const std::optional<int> number = parseSerialStartNumber(toUtf8(startEdit_->text()));
    if (!number) {
        messages_.exclamation(kSerialStartOutOfRange);
        startEdit_->setFocus();
        return;
    }
    startNumber_ = *number;
    QDialog::accept();
}

bool editSerialStartNumber(QWidget* parent, int& serialStartNumber, MessageService& messages) {
    SerialNumberDialog dialog(serialStartNumber, messages, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    serialStartNumber = dialog.startNumber();
    return true;
}

}  // namespace qv
