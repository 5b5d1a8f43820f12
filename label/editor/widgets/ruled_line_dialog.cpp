#include "label/editor/widgets/ruled_line_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "label/editor/widgets/entry_list.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromUtf8(text), parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

RuledLineDialog::RuledLineDialog(LabelDefinition& definition, MessageService& messages,
                                 QWidget* parent)
    : QDialog(parent), form_(definition, messages) {
    setWindowTitle(QStringLiteral("罫線の配置"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    list_ = new EntryList(this);
    list_->setObjectName(QStringLiteral("lineList"));
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.selectSlot(row);
        showValues();
        showEnabled();
    });
    layout->addWidget(list_);
    layout->addLayout(buildEdits());
    layout->addLayout(buildButtons());
    showList();
    showValues();
    showEnabled();
}

QLineEdit* RuledLineDialog::numberEdit(const char* name,
                                       void (RuledLineForm::*setter)(std::optional<int>)) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    connect(edit, &QLineEdit::textEdited, this, [this, setter](const QString& text) {
        (form_.*setter)(numberIn(text));
        showEnabled();
    });
    return edit;
}

QLayout* RuledLineDialog::buildEdits() {
    auto* grid = new QGridLayout;
    startXEdit_ = numberEdit("startX", &RuledLineForm::setStartX);
    startYEdit_ = numberEdit("startY", &RuledLineForm::setStartY);
    endXEdit_ = numberEdit("endX", &RuledLineForm::setEndX);
    endYEdit_ = numberEdit("endY", &RuledLineForm::setEndY);
    grid->addWidget(new QLabel(QStringLiteral("始点"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("X:"), this), 0, 1);
    grid->addWidget(startXEdit_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Y:"), this), 0, 3);
    grid->addWidget(startYEdit_, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("終点"), this), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("X:"), this), 1, 1);
    grid->addWidget(endXEdit_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Y:"), this), 1, 3);
    grid->addWidget(endYEdit_, 1, 4);
    return grid;
}

QLayout* RuledLineDialog::buildButtons() {
    auto* row = new QHBoxLayout;
    addButton_ = button("追加", "addButton", this);
    modifyButton_ = button("修正", "modifyButton", this);
    deleteButton_ = button("削除", "deleteButton", this);
    auto* closeButton = button("終了", "closeButton", this);
    connect(addButton_, &QPushButton::clicked, this, [this] { apply(form_.add()); });
    connect(modifyButton_, &QPushButton::clicked, this, [this] { apply(form_.modify()); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { apply(form_.remove()); });
    connect(closeButton, &QPushButton::clicked, this, &RuledLineDialog::reject);
    for (QPushButton* each : {addButton_, modifyButton_, deleteButton_, closeButton}) {
        row->addWidget(each);
    }
    return row;
}

void RuledLineDialog::lineDrawn(int slot) {
    form_.lineDrawn(slot);
    showList();
    showValues();
    showEnabled();
}

void RuledLineDialog::reject() {
    QDialog::reject();
    emit closed(form_.changed());
    form_.clearChanged();  // the next close reports only what happens after reopening
}

void RuledLineDialog::apply(bool changed) {
    showList();
    showValues();
    showEnabled();
    if (changed) emit listChanged();
}

void RuledLineDialog::showList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& line : form_.listLines()) list_->addItem(fromUtf8(line));
    list_->setCurrentRow(form_.selectedSlot());
}

void RuledLineDialog::showValues() {
    const RuledLineValues& values = form_.values();
    startXEdit_->setText(shownNumber(values.startX));
    startYEdit_->setText(shownNumber(values.startY));
    endXEdit_->setText(shownNumber(values.endX));
    endYEdit_->setText(shownNumber(values.endY));
}

void RuledLineDialog::showEnabled() {
    addButton_->setEnabled(form_.addEnabled());
    modifyButton_->setEnabled(form_.modifyEnabled());
    deleteButton_->setEnabled(form_.removeEnabled());
}

}  // namespace qv
