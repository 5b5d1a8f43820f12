#include "label/app/dialogs/free_size_dialog.h"

#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

namespace {

constexpr int kMaxPaperMm = 9999;  // four digits, as the edits allow

QLineEdit* millimetreEdit(int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setValidator(new QIntValidator(0, kMaxPaperMm, edit));
    return edit;
}

}  // namespace

FreeSizeDialog::FreeSizeDialog(PaperSize current, QWidget* parent)
    : QDialog(parent),
      heightEdit_(millimetreEdit(current.heightMm, this)),
      widthEdit_(millimetreEdit(current.widthMm, this)) {
    setWindowTitle(QStringLiteral("自由用紙のｻｲｽﾞ"));
    auto* close = new QPushButton(QStringLiteral("終了"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("縦ｻｲｽﾞ"), heightEdit_);
    layout->addRow(QStringLiteral("横ｻｲｽﾞ"), widthEdit_);
    layout->addRow(close);
}

PaperSize FreeSizeDialog::size() const {
    return {widthEdit_->text().toInt(), heightEdit_->text().toInt()};
}

PaperSize askFreeSize(QWidget* parent, PaperSize current) {
    FreeSizeDialog dialog(current, parent);
    dialog.exec();
    return dialog.size();
}

}  // namespace qv
