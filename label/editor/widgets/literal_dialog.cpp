#include "label/editor/widgets/literal_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "label/editor/widgets/entry_list.h"
#include "label/editor/widgets/macro_picker_dialog.h"
#include "platform/colour_palette.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

QCheckBox* indicator(const char* text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEnabled(false);  // the font picker sets the style
    return box;
}

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromUtf8(text), parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

LiteralDialog::LiteralDialog(LabelDefinition& definition, MessageService& messages,
                             const MacroClock& clock, DateSettings date, QWidget* parent)
    : QDialog(parent), form_(definition, messages), clock_(clock), date_(std::move(date)) {
    setWindowTitle(QStringLiteral("リテラルの配置"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    list_ = new EntryList(this);
    list_->setObjectName(QStringLiteral("literalList"));
    connect(list_, &QListWidget::currentRowChanged, this, &LiteralDialog::selectRow);
    layout->addWidget(list_);

    textEdit_ = new QLineEdit(this);
    textEdit_->setObjectName(QStringLiteral("literalText"));
    connect(textEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setText(toSjis(text)); });
    layout->addWidget(textEdit_);

    auto* positionRow = new QHBoxLayout;
    xEdit_ = new QLineEdit(this);
    xEdit_->setObjectName(QStringLiteral("literalX"));
    yEdit_ = new QLineEdit(this);
    yEdit_->setObjectName(QStringLiteral("literalY"));
    connect(xEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setX(numberIn(text)); });
    connect(yEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setY(numberIn(text)); });
    positionRow->addWidget(new QLabel(QStringLiteral("位置 X:"), this));
    positionRow->addWidget(xEdit_);
    positionRow->addWidget(new QLabel(QStringLiteral("Y:"), this));
    positionRow->addWidget(yEdit_);
    layout->addLayout(positionRow);

    layout->addWidget(buildFontGroup());
    layout->addLayout(buildButtons());
    showList();
    showState();
}

QWidget* LiteralDialog::buildFontGroup() {
    auto* group = new QWidget(this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    faceLabel_ = new QLabel(group);
    faceLabel_->setObjectName(QStringLiteral("faceName"));
    sizeLabel_ = new QLabel(group);
    sizeLabel_->setObjectName(QStringLiteral("pointSize"));
    grid->addWidget(new QLabel(QStringLiteral("ﾌｫﾝﾄ名:"), group), 0, 0);
    grid->addWidget(faceLabel_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ"), group), 0, 2);
    grid->addWidget(sizeLabel_, 0, 3);
    boldBox_ = indicator("太字", "bold", group);
    italicBox_ = indicator("斜体", "italic", group);
    underlineBox_ = indicator("下線", "underline", group);
    grid->addWidget(boldBox_, 1, 0);
    grid->addWidget(italicBox_, 1, 1);
    grid->addWidget(underlineBox_, 1, 2);
    auto* fontButton = button("フォント", "fontButton", group);
    connect(fontButton, &QPushButton::clicked, this, &LiteralDialog::chooseFont);
    grid->addWidget(fontButton, 1, 3);

    palette_ = new ColourPalette(group);
    palette_->setObjectName(QStringLiteral("literalColour"));
    connect(palette_, &ColourPalette::colourChosen, this, [this](int index) {
        form_.chooseColour(index);
        showState();
    });
    grid->addWidget(palette_, 2, 0, 1, 4);
    return group;
}

QLayout* LiteralDialog::buildButtons() {
    auto* row = new QHBoxLayout;
    auto* macroButton = button("マクロ", "macroButton", this);
    auto* addButton = button("追加", "addButton", this);
    auto* modifyButton = button("修正", "modifyButton", this);
    auto* deleteButton = button("削除", "deleteButton", this);
    auto* closeButton = button("終了", "closeButton", this);
    connect(macroButton, &QPushButton::clicked, this, &LiteralDialog::chooseMacro);
    connect(addButton, &QPushButton::clicked, this, [this] { apply(form_.add()); });
    connect(modifyButton, &QPushButton::clicked, this, [this] { apply(form_.modify()); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { apply(form_.remove()); });
    connect(closeButton, &QPushButton::clicked, this, &LiteralDialog::reject);
    for (QPushButton* each : {macroButton, addButton, modifyButton, deleteButton, closeButton}) {
        row->addWidget(each);
    }
    return row;
}

void LiteralDialog::positionPicked(int x, int y) {
    form_.pickPosition(x, y);
    showState();
}

void LiteralDialog::literalMoved(int slot) {
    if (form_.followMove(slot)) showState();
}

void LiteralDialog::selectSlot(int slot) {
    list_->setCurrentRow(form_.rowOfSlot(slot));
}

void LiteralDialog::reject() {
    QDialog::reject();
    emit closed(form_.changed());
    form_.clearChanged();  // the next close reports only what happens after reopening
}

void LiteralDialog::chooseFont() {
    if (!fontPicker_) return;  // the window that opens the dialog gives its picker
    if (const std::optional<FontChoice> font = fontPicker_(this, form_.font())) {
        form_.chooseFont(*font);
        showState();
    }
}

void LiteralDialog::chooseMacro() {
    std::optional<std::string> code;
    if (macroPicker_) {
        code = macroPicker_(this);
    } else {
        MacroPickerDialog picker(clock_.timestamp(), date_, this);
        if (picker.exec() == QDialog::Accepted) code = picker.chosenCode();
    }
    if (!code || code->empty()) return;
    const bool selected = form_.chooseMacro(*code);
    showList();
    showState();
    if (selected) emit literalSelected(form_.selectedSlot());
}

void LiteralDialog::selectRow(int row) {
    form_.selectRow(row);
    showState();
    if (form_.selectedSlot() >= 0) emit literalSelected(form_.selectedSlot());
}

void LiteralDialog::apply(bool changed) {
    showList();
    showState();
    if (changed) emit listChanged();
}

void LiteralDialog::showList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& text : form_.listTexts()) list_->addItem(fromSjis(text));
    list_->setCurrentRow(form_.selectedRow());
}

void LiteralDialog::showState() {
    textEdit_->setText(fromSjis(form_.text()));
    xEdit_->setText(shownNumber(form_.x()));
    yEdit_->setText(shownNumber(form_.y()));
    faceLabel_->setText(fromSjis(form_.font().face));
    sizeLabel_->setText(QString::number(form_.font().pointSize));
    boldBox_->setChecked(form_.font().bold);
    italicBox_->setChecked(form_.font().italic);
    underlineBox_->setChecked(form_.font().underline);
    palette_->setSelectedIndex(form_.colourIndex());
}

}  // namespace qv
