#include "label/editor/widgets/barcode_kind_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/button_groups.h"

namespace qv {

namespace {

struct KindButton {
    BarcodeKind kind;
    const char* text;
    const char* name;
};

const KindButton kKindButtons[] = {
    {BarcodeKind::Code39, "Ｃｏｄｅ３９", "code39"},
    {BarcodeKind::Itf, "ＩＴＦコード(2 of 5)", "itf"},
    {BarcodeKind::Nw7, "ＮＷ７", "nw7"},
    {BarcodeKind::Jan, "ＪＡＮコード(標準・短縮)", "jan"},
};

QRadioButton* radio(QWidget* parent, const char* text, const char* name) {
    auto* button = new QRadioButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

BarcodeKindDialog::BarcodeKindDialog(LabelDefinition& definition, int field, int layoutFlags,
                                     QWidget* parent)
    : QDialog(parent), form_(definition, field, layoutFlags), layoutFlags_(layoutFlags) {
    setWindowTitle(QStringLiteral("バーコード種選択"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildKindGroup());
    groups->addWidget(buildDirectionGroup());
    layout->addLayout(groups);

    showTextBox_ = new QCheckBox(QStringLiteral("バーコード下の文字の印字"), this);
    showTextBox_->setObjectName(QStringLiteral("showText"));
    ignoreCheckBox_ = new QCheckBox(QStringLiteral("チェックデジットを無視する"), this);
    ignoreCheckBox_->setObjectName(QStringLiteral("ignoreCheckDigit"));
    connect(showTextBox_, &QCheckBox::toggled, this, [this](bool on) { form_.setShowText(on); });
    connect(ignoreCheckBox_, &QCheckBox::toggled, this,
            [this](bool on) { form_.setIgnoreCheckDigit(on); });
    layout->addWidget(showTextBox_);
    layout->addWidget(ignoreCheckBox_);

    auto* finishButton = new QPushButton(QStringLiteral("終了"), this);
    finishButton->setObjectName(QStringLiteral("finish"));
    finishButton->setDefault(true);
    connect(finishButton, &QPushButton::clicked, this, &BarcodeKindDialog::finish);
    layout->addWidget(finishButton, 0, Qt::AlignRight);
    showState();
}

QWidget* BarcodeKindDialog::buildKindGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    kindGroup_ = new QButtonGroup(this);
    for (const KindButton& entry : kKindButtons) {
        QRadioButton* button = radio(box, entry.text, entry.name);
        kindGroup_->addButton(button, static_cast<int>(entry.kind));
        layout->addWidget(button);
    }
    connect(kindGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        form_.chooseKind(static_cast<BarcodeKind>(id));
        showState();
    });
    return box;
}

QWidget* BarcodeKindDialog::buildDirectionGroup() {
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    rightButton_ = radio(box, "右向き", "right");
    leftButton_ = radio(box, "左向き", "left");
    connect(rightButton_, &QRadioButton::clicked, this, [this] { form_.setFacesLeft(false); });
    connect(leftButton_, &QRadioButton::clicked, this, [this] { form_.setFacesLeft(true); });
    layout->addWidget(rightButton_);
    layout->addWidget(leftButton_);
    return box;
}

void BarcodeKindDialog::finish() {
    layoutFlags_ = form_.finish();
    accept();
}

void BarcodeKindDialog::showState() {
    // A field without an offered kind checks no button.
    checkOnly(kindGroup_, static_cast<int>(form_.kind()));
    leftButton_->setChecked(form_.facesLeft());
    rightButton_->setChecked(!form_.facesLeft());
    showTextBox_->setChecked(form_.showText());
    ignoreCheckBox_->setChecked(form_.ignoreCheckDigit());
    ignoreCheckBox_->setEnabled(form_.ignoreCheckDigitEnabled());
}

}  // namespace qv
