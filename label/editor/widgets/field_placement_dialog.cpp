#include "label/editor/widgets/field_placement_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "label/editor/widgets/entry_list.h"
#include "platform/button_groups.h"
#include "platform/colour_palette.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kTextId = 0;
constexpr int kBarcodeId = 1;
constexpr int kMaxMm = 9999;

QRadioButton* addRadio(QButtonGroup* group, QBoxLayout* layout, const QString& text,
                       const char* name, int id) {
    auto* button = new QRadioButton(text, layout->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

// A check box that only shows a value; the font picker changes it.
QCheckBox* addIndicator(QBoxLayout* layout, const char* text, const char* name) {
    auto* box = new QCheckBox(QString::fromUtf8(text), layout->parentWidget());
    box->setObjectName(QString::fromLatin1(name));
    box->setEnabled(false);
    layout->addWidget(box);
    return box;
}

QSpinBox* newMmBox(QWidget* parent, const char* name, int minimum) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, kMaxMm);
    box->setSpecialValueText(minimum < 0 ? QStringLiteral(" ") : QString());  // -1: not given
    return box;
}

}  // namespace

FieldPlacementDialog::FieldPlacementDialog(LabelDefinition& definition, MessageService& messages,
                                           QWidget* parent)
    : QDialog(parent), definition_(definition), form_(definition, messages) {
    setWindowTitle(QStringLiteral("フィールドの配置"));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* fileLabel = new QLabel(fromSjis(form_.dataFileLabel()), this);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    left->addWidget(fileLabel);
    list_ = new EntryList(this);
    list_->setObjectName(QStringLiteral("fieldList"));
    left->addWidget(list_, 1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(buildKindGroup());
    right->addWidget(buildFontGroup());
    right->addWidget(buildAlignmentGroup());
    right->addWidget(buildSizeGroup());
    auto* colourBox = new QGroupBox(QStringLiteral("色の選択"), this);
    auto* colourLayout = new QHBoxLayout(colourBox);
    palette_ = new ColourPalette(colourBox);
    palette_->setObjectName(QStringLiteral("palette"));
    colourLayout->addWidget(palette_);
    right->addWidget(colourBox);
    right->addWidget(buildButtons());
    layout->addLayout(right);

    fillList();
    connect(palette_, &ColourPalette::colourChosen, this,
            [this](int index) { report(form_.chooseColour(index)); });
    showState();
}

QWidget* FieldPlacementDialog::buildKindGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QHBoxLayout(box);
    kindGroup_ = new QButtonGroup(box);
    addRadio(kindGroup_, layout, QStringLiteral("文字列"), "textKind", kTextId);
    addRadio(kindGroup_, layout, QStringLiteral("ﾊﾞｰｺｰﾄﾞ"), "barcodeKind", kBarcodeId);
    connect(kindGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == kBarcodeId) {
            chooseBarcode();
        } else {
            report(form_.chooseText());
        }
    });
    return box;
}

QWidget* FieldPlacementDialog::buildFontGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    fontLabel_ = new QLabel(box);
    fontLabel_->setObjectName(QStringLiteral("fontName"));
    sizeLabel_ = new QLabel(box);
    sizeLabel_->setObjectName(QStringLiteral("pointSize"));
    fontButton_ = new QPushButton(QStringLiteral("フォント変更"), box);
    fontButton_->setObjectName(QStringLiteral("fontButton"));
    connect(fontButton_, &QPushButton::clicked, this, &FieldPlacementDialog::changeFont);
    row->addWidget(fontLabel_, 1);
    row->addWidget(sizeLabel_);
    row->addWidget(fontButton_);
    layout->addLayout(row);
    auto* indicators = new QHBoxLayout;
    layout->addLayout(indicators);
    boldBox_ = addIndicator(indicators, "太字", "bold");
    italicBox_ = addIndicator(indicators, "斜体", "italic");
    underlineBox_ = addIndicator(indicators, "下線", "underline");
    return box;
}

QWidget* FieldPlacementDialog::buildAlignmentGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QHBoxLayout(box);
    alignmentGroup_ = new QButtonGroup(box);
    addRadio(alignmentGroup_, layout, QStringLiteral("左"), "alignFirst", 0);
    addRadio(alignmentGroup_, layout, QStringLiteral("中"), "alignCentre", 1);
    addRadio(alignmentGroup_, layout, QStringLiteral("右"), "alignLast", 2);
    verticalBox_ = new QCheckBox(QStringLiteral("縦書き"), box);
    verticalBox_->setObjectName(QStringLiteral("vertical"));
    layout->addWidget(verticalBox_);
    connect(alignmentGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { report(form_.chooseAlignment(static_cast<PlacementAlignment>(id))); });
    connect(verticalBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) report(form_.setVertical(on));
    });
    return box;
}

QWidget* FieldPlacementDialog::buildSizeGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QFormLayout(box);
    xBox_ = newMmBox(box, "xBox", -1);
    yBox_ = newMmBox(box, "yBox", -1);
    widthBox_ = newMmBox(box, "widthBox", 0);
    heightBox_ = newMmBox(box, "heightBox", 0);
    layout->addRow(QStringLiteral("X"), xBox_);
    layout->addRow(QStringLiteral("Y"), yBox_);
    layout->addRow(QStringLiteral("幅"), widthBox_);
    layout->addRow(QStringLiteral("高さ"), heightBox_);
    const auto position = [this] {
        if (!showing_) report(form_.setPosition(xBox_->value(), yBox_->value()));
    };
    const auto size = [this] {
        if (!showing_) report(form_.setBarSize(widthBox_->value(), heightBox_->value()));
    };
    connect(xBox_, qOverload<int>(&QSpinBox::valueChanged), this, position);
    connect(yBox_, qOverload<int>(&QSpinBox::valueChanged), this, position);
    connect(widthBox_, qOverload<int>(&QSpinBox::valueChanged), this, size);
    connect(heightBox_, qOverload<int>(&QSpinBox::valueChanged), this, size);
    return box;
}

QWidget* FieldPlacementDialog::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    confirmButton_ = new QPushButton(QStringLiteral("項目の確定"), row);
    confirmButton_->setObjectName(QStringLiteral("confirmButton"));
    removeButton_ = new QPushButton(QStringLiteral("配置から削除"), row);
    removeButton_->setObjectName(QStringLiteral("removeButton"));
    auto* exitButton = new QPushButton(QStringLiteral("終了"), row);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    layout->addWidget(confirmButton_);
    layout->addWidget(removeButton_);
    layout->addWidget(exitButton);
    connect(confirmButton_, &QPushButton::clicked, this, [this] { report(form_.confirm()); });
    connect(removeButton_, &QPushButton::clicked, this,
            [this] { report(form_.removeFromLabel()); });
    connect(exitButton, &QPushButton::clicked, this, &FieldPlacementDialog::close);
    return row;
}

void FieldPlacementDialog::fillList() {
    for (const PlacementListEntry& entry : form_.fieldList()) {
        auto* item = new QListWidgetItem(fromSjis(entry.nameSjis), list_);
        item->setData(Qt::UserRole, entry.fieldIndex);
    }
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        const QListWidgetItem* item = list_->item(row);
        form_.selectField(item ? item->data(Qt::UserRole).toInt() : -1);
        report(PlacementNotice::EntryChanged);
    });
}

// Every action ends here: the widgets follow the form, then the view hears what changed.
void FieldPlacementDialog::report(PlacementNotice notice) {
    showState();
    if (notice == PlacementNotice::EntryChanged) emit entryChanged();
    if (notice == PlacementNotice::EntryStored) emit entryStored();
}

void FieldPlacementDialog::chooseBarcode() {
    const FieldPlacementForm::BarcodeKindHook ask = [this](LabelDefinition& definition,
                                                           int fieldIndex, int& flags) {
        return kindHook_ && kindHook_(this, definition, fieldIndex, flags);
    };
    report(form_.chooseBarcode(ask));
}

void FieldPlacementDialog::changeFont() {
    if (!fontPicker_) return;  // the window that opens the dialog gives its picker
    const FieldPlacementForm::FontPicker ask = [this](const std::string& caption,
                                                      const FontChoice& current) {
        return fontPicker_(this, fromUtf8(caption), current);
    };
    report(form_.changeFont(ask));
}

void FieldPlacementDialog::positionPicked(int xMm, int yMm, int widthMm, int heightMm) {
    report(form_.pickPosition(xMm, yMm, widthMm, heightMm));
}

// The field already in hand keeps its pending values: a right click on it loses nothing.
void FieldPlacementDialog::selectField(int fieldIndex) {
    if (fieldIndex < 0 || fieldIndex != form_.selectedField()) form_.selectField(fieldIndex);
    report(PlacementNotice::EntryChanged);
}

void FieldPlacementDialog::fieldMoved(int fieldIndex) {
    if (fieldIndex < 0 || fieldIndex != form_.selectedField()) return;
    const FieldPlacement& moved = definition_.fields[static_cast<size_t>(fieldIndex)];
    report(form_.setPosition(moved.xMm, moved.yMm));
}

void FieldPlacementDialog::showState() {
    showing_ = true;
    showSelection();
    const bool selected = form_.hasSelection();
    const bool text = selected && !form_.isBarcode();
    checkOnly(kindGroup_, !selected ? -1 : text ? kTextId : kBarcodeId);
    fontLabel_->setText(text ? fromSjis(form_.fontName()) : QString());
    sizeLabel_->setText(text ? QString::number(form_.pointSize()) : QString());
    boldBox_->setChecked(text && form_.bold());
    italicBox_->setChecked(text && form_.italic());
    underlineBox_->setChecked(text && form_.underline());
    checkOnly(alignmentGroup_, text ? static_cast<int>(form_.alignment()) : -1);
    alignmentGroup_->button(0)->setText(QString::fromUtf8(form_.firstAlignmentLabel()));
    alignmentGroup_->button(2)->setText(QString::fromUtf8(form_.lastAlignmentLabel()));
    for (QAbstractButton* button : alignmentGroup_->buttons()) button->setEnabled(text);
    verticalBox_->setEnabled(text);
    verticalBox_->setChecked(text && form_.vertical());
    xBox_->setValue(form_.xMm());
    yBox_->setValue(form_.yMm());
    widthBox_->setValue(form_.barWidthMm());
    heightBox_->setValue(form_.barHeightMm());
    widthBox_->setEnabled(selected && form_.isBarcode());
    heightBox_->setEnabled(selected && form_.isBarcode());
    palette_->setSelectedIndex(selected ? form_.colourIndex() : -1);
    fontButton_->setEnabled(form_.fontEnabled());
    confirmButton_->setEnabled(form_.confirmEnabled());
    removeButton_->setEnabled(form_.removeEnabled());
    showing_ = false;
}

void FieldPlacementDialog::showSelection() {
    int row = -1;
    for (int index = 0; index < list_->count(); ++index) {
        if (list_->item(index)->data(Qt::UserRole).toInt() == form_.selectedField()) row = index;
    }
    list_->setCurrentRow(row);
}

// Every way of closing passes here, so the view always learns the last rectangle.
void FieldPlacementDialog::done(int result) {
    emit closed(frameGeometry());
    QDialog::done(result);
}

}  // namespace qv
