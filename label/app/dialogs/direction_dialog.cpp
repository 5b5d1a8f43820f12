#include "label/app/dialogs/direction_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

namespace {

constexpr int kNOrder = 0;
constexpr int kZOrder = 1;

}  // namespace

DirectionDialog::DirectionDialog(int printDirection, QWidget* parent)
    : QDialog(parent),
      nOrder_(new QRadioButton(QStringLiteral("縦(N)方向"), this)),
      zOrder_(new QRadioButton(QStringLiteral("横(Z)方向"), this)) {
    setWindowTitle(QStringLiteral("ラベル印刷方向"));
    (printDirection == kZOrder ? zOrder_ : nOrder_)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nOrder_);
    layout->addWidget(zOrder_);
    layout->addWidget(buttons);
}

int DirectionDialog::printDirection() const {
    return zOrder_->isChecked() ? kZOrder : kNOrder;
}

bool editPrintDirection(QWidget* parent, int& printDirection) {
    DirectionDialog dialog(printDirection, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    printDirection = dialog.printDirection();
    return true;
}

}  // namespace qv
