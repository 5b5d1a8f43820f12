#include "editor/dialogs/field_maintenance_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/dialogs/dialog_controls.h"
#include "platform/qt_text.h"

namespace qv {

FieldMaintenanceDialog::FieldMaintenanceDialog(CROWSMITHDoc& document, MessageService& messages,
                                               QWidget* parent)
    : QDialog(parent), form_(document, messages) {
    setWindowTitle(QStringLiteral("フィールド情報のメンテ"));
    form_.recordsChanged = [this] { emit documentChanged(); };
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    // An entry's name and width stand in columns of their own, so they line up in any face.
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("fieldList"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('M'))));
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        form_.select(item == nullptr ? -1 : list_->indexOfTopLevelItem(item));
        showState();
    });
    left->addWidget(list_);
    left->addLayout(buildEdits());
    layout->addLayout(left, 1);
    layout->addLayout(buildButtons());
    showList();
    showState();
}

QLayout* FieldMaintenanceDialog::buildEdits() {
    auto* grid = new QGridLayout;
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("fieldName"));
    widthEdit_ = new QLineEdit(this);
    widthEdit_->setObjectName(QStringLiteral("fieldWidth"));
    connect(nameEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.setName(toSjis(text));
        showList();
        showState();
    });
    connect(widthEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.setWidth(numberIn(text));
        showList();
        showState();
    });
    connect(nameEdit_, &QLineEdit::returnPressed, widthEdit_, [this] { widthEdit_->setFocus(); });
    connect(widthEdit_, &QLineEdit::returnPressed, this, &FieldMaintenanceDialog::enterInWidth);
    grid->addWidget(new QLabel(QStringLiteral("ﾌｨｰﾙﾄﾞ名入力"), this), 0, 0);
    grid->addWidget(nameEdit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("最大長(byte)"), this), 1, 0);
    grid->addWidget(widthEdit_, 1, 1);
    return grid;
}

QLayout* FieldMaintenanceDialog::buildButtons() {
    auto* column = new QVBoxLayout;
    addButton_ = makeButton(QStringLiteral("追　加(&A)"), "addButton", this);
    connect(addButton_, &QPushButton::clicked, this, [this] { press(&FieldMaintenanceForm::add); });
    insertButton_ = makeButton(QString(), "insertButton", this);
    connect(insertButton_, &QPushButton::clicked, this,
            [this] { press(&FieldMaintenanceForm::insert); });
    modifyButton_ = makeButton(QStringLiteral("修　正(&M)"), "modifyButton", this);
    connect(modifyButton_, &QPushButton::clicked, this,
            [this] { press(&FieldMaintenanceForm::modify); });
    deleteButton_ = makeButton(QStringLiteral("削　除(&X)"), "deleteButton", this);
    connect(deleteButton_, &QPushButton::clicked, this,
            [this] { press(&FieldMaintenanceForm::remove); });
    modeButton_ = makeButton(QStringLiteral("修正モード\n設定･解除"), "modifyModeButton", this);
    modeButton_->setCheckable(true);
    connect(modeButton_, &QPushButton::clicked, this, [this] {
        form_.toggleModifyMode();
        form_.select(list_->indexOfTopLevelItem(list_->currentItem()));
        showState();
    });
    afterBox_ = new QCheckBox(QStringLiteral("後に挿入"), this);
    afterBox_->setObjectName(QStringLiteral("insertAfter"));
    connect(afterBox_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setInsertAfter(on);
        showState();
    });
    auto* ok = makeButton(QStringLiteral("OK"), "okButton", this);
    connect(ok, &QPushButton::clicked, this, &FieldMaintenanceDialog::accept);
    auto* cancel = makeButton(QStringLiteral("ｷｬﾝｾﾙ"), "cancelButton", this);
    connect(cancel, &QPushButton::clicked, this, &FieldMaintenanceDialog::reject);
    for (QWidget* widget :
         {static_cast<QWidget*>(addButton_), static_cast<QWidget*>(insertButton_),
          static_cast<QWidget*>(modifyButton_), static_cast<QWidget*>(deleteButton_),
          static_cast<QWidget*>(modeButton_), static_cast<QWidget*>(afterBox_)})
        column->addWidget(widget);
    column->addStretch(1);
    column->addWidget(ok);
    column->addWidget(cancel);
    return column;
}

void FieldMaintenanceDialog::press(bool (FieldMaintenanceForm::*button)()) {
    if (!(form_.*button)()) return;
    showList();
    showState();
    nameEdit_->setFocus();
}

// Enter in the width edit: the next entry in modify mode, otherwise the offer to add.
void FieldMaintenanceDialog::enterInWidth() {
    switch (form_.enterInWidth()) {
        case FieldMaintenanceForm::EnterResult::SelectedNext: {
            const QSignalBlocker blocker(list_);
            selectEntry(form_.selected());
            showState();
            break;
        }
        case FieldMaintenanceForm::EnterResult::Added:
            showList();
            showState();
            nameEdit_->setFocus();
            break;
        case FieldMaintenanceForm::EnterResult::Nothing:
            break;
    }
}

// Each "%-30s%d" entry split where its width begins: the name without its padding, the width.
void FieldMaintenanceDialog::showList() {
    const QSignalBlocker blocker(list_);
    const auto& entries = form_.entries();
    while (list_->topLevelItemCount() > static_cast<int>(entries.size()))
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const QString name = fromSjis(FieldMaintenanceForm::entryName(entry));
        const QString width = fromSjis(entry.substr(std::min(entry.size(), kMaxFieldNameBytes)));
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(i));
        if (item == nullptr) {
            item = new QTreeWidgetItem(list_);
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (item->text(0) != name) item->setText(0, name);
        if (item->text(1) != width) item->setText(1, width);
    }
    selectEntry(form_.selected());
}

void FieldMaintenanceDialog::selectEntry(int entry) {
    list_->setCurrentItem(list_->topLevelItem(entry));
}

// The edits follow the form (a selection in modify mode loads them); the buttons its state.
void FieldMaintenanceDialog::showState() {
    const QString name = fromSjis(form_.name());
    if (nameEdit_->text() != name) nameEdit_->setText(name);
    const QString width = shownNumber(form_.width());
    if (numberIn(widthEdit_->text()) != form_.width()) widthEdit_->setText(width);
    addButton_->setEnabled(form_.addEnabled());
    insertButton_->setEnabled(form_.insertEnabled());
    insertButton_->setText(QString::fromUtf8(form_.insertButtonText().c_str()));
    modifyButton_->setEnabled(form_.modifyEnabled());
    deleteButton_->setEnabled(form_.deleteEnabled());
    modeButton_->setChecked(form_.modifyMode());
}

void FieldMaintenanceDialog::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to the edits; it never closes the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void FieldMaintenanceDialog::accept() {
    form_.accept();
    QDialog::accept();
}

void FieldMaintenanceDialog::reject() {
    if (form_.cancel()) QDialog::reject();
}

}  // namespace qv
