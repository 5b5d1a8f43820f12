#include "label/editor/widgets/macro_picker_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace qv {

MacroPickerDialog::MacroPickerDialog(const MacroTimestamp& timestamp, const DateSettings& date,
                                     QWidget* parent)
    : QDialog(parent), entries_(macroPickerEntries(timestamp, date)) {
    setWindowTitle(QStringLiteral("定数のマクロ"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("macroList"));
    for (const MacroPickerEntry& entry : entries_) list_->addItem(fromSjis(entry.listText));
    layout->addWidget(list_);
    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("macroDetail"));
    layout->addWidget(detail_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &MacroPickerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MacroPickerDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &MacroPickerDialog::showSelection);
    connect(list_, &QListWidget::itemDoubleClicked, this, &MacroPickerDialog::accept);
    layout->addWidget(buttons);
    showSelection(-1);
}

std::string MacroPickerDialog::chosenCode() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return {};
    return entries_[static_cast<size_t>(row)].code;
}

void MacroPickerDialog::showSelection(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(entries_.size());
    detail_->setText(valid ? fromSjis(entries_[static_cast<size_t>(row)].detailText) : QString());
    okButton_->setEnabled(valid);
}

}  // namespace qv
