#include "label/editor/widgets/barcode_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "common/profile_file.h"
#include "platform/font_picker_dialog.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

// The program's picker, titled for the text under barcodes.
std::optional<FontChoice> pickBarTextFont(QWidget* parent, const FontChoice& preset,
                                          bool trueTypeOnly) {
    return pickFont(parent, QStringLiteral("バーコード文字のフォント"), preset, trueTypeOnly);
}

}  // namespace

BarcodeSettingsDialog::BarcodeSettingsDialog(LabelDefinition& definition, ProfileFile settings,
                                             MessageService& messages, QWidget* parent)
    : QDialog(parent),
      form_(definition, std::move(settings), messages),
      fontPicker_(pickBarTextFont) {
    setWindowTitle(QStringLiteral("バーコードの標準設定"));
    auto* layout = new QVBoxLayout(this);
    shortJanBox_ = addSwitch("短縮JANを標準JANと揃えない。", "shortJanNotAligned",
                             &BarcodeSettingsForm::toggleShortJanNotAligned);
    checkCharacterBox_ = addSwitch("チェックキャラクタの強制付加", "forceCheckCharacter",
                                   &BarcodeSettingsForm::toggleForceCheckCharacter);
    startStopBox_ = addSwitch("スタート・ストップを付加", "addStartStop",
                              &BarcodeSettingsForm::toggleAddStartStop);
    directBox_ = addSwitch("ダイレクト、バー印刷", "directBarPrinting",
                           &BarcodeSettingsForm::toggleDirectBarPrinting);
    for (QCheckBox* box : {shortJanBox_, checkCharacterBox_, startStopBox_, directBox_}) {
        layout->addWidget(box);
    }

    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(new QLabel(QStringLiteral("モジュール幅 (1～3) :"), this));
    moduleWidthEdit_ = new QLineEdit(QString::number(form_.moduleWidth()), this);
    moduleWidthEdit_->setObjectName(QStringLiteral("moduleWidth"));
    moduleWidthEdit_->setMaxLength(2);
    widthRow->addWidget(moduleWidthEdit_);
    widthRow->addStretch();
    layout->addLayout(widthRow);
    layout->addWidget(buildFontGroup());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &BarcodeSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BarcodeSettingsDialog::reject);
    layout->addWidget(buttons);
    showState();
}

QCheckBox* BarcodeSettingsDialog::addSwitch(const char* text, const char* name,
                                            void (BarcodeSettingsForm::*flip)()) {
    auto* box = new QCheckBox(QString::fromUtf8(text), this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this, [this, flip] {
        (form_.*flip)();
        showState();
    });
    return box;
}

QWidget* BarcodeSettingsDialog::buildFontGroup() {
    auto* group = new QGroupBox(this);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("現在の選択:"), group));
    fontLabel_ = new QLabel(group);
    fontLabel_->setObjectName(QStringLiteral("currentFont"));
    layout->addWidget(fontLabel_, 1);
    boldBox_ = new QCheckBox(QStringLiteral("太字"), group);
    boldBox_->setObjectName(QStringLiteral("currentBold"));
    boldBox_->setEnabled(false);  // shows the choice; the picker changes it
    layout->addWidget(boldBox_);
    auto* fontButton = new QPushButton(QStringLiteral("FONT変更"), group);
    fontButton->setObjectName(QStringLiteral("fontButton"));
    connect(fontButton, &QPushButton::clicked, this, &BarcodeSettingsDialog::chooseFont);
    layout->addWidget(fontButton);
    return group;
}

void BarcodeSettingsDialog::chooseFont() {
    const FontChoice preset{form_.fontFace(), 10, form_.fontBold()};
    if (const std::optional<FontChoice> chosen = fontPicker_(this, preset, form_.trueTypeOnly())) {
        form_.chooseFont(chosen->face, chosen->bold);
        showState();
    }
}

void BarcodeSettingsDialog::showState() {
    shortJanBox_->setChecked(form_.shortJanNotAligned());
    checkCharacterBox_->setChecked(form_.forceCheckCharacter());
    startStopBox_->setChecked(form_.addStartStop());
    directBox_->setChecked(form_.directBarPrinting());
    moduleWidthEdit_->setEnabled(form_.moduleWidthEnabled());
    fontLabel_->setText(fromSjis(form_.fontFace()));
    boldBox_->setChecked(form_.fontBold());
}

void BarcodeSettingsDialog::accept() {
    // A box without a number counts as 0, which the form refuses.
    form_.setModuleWidth(moduleWidthEdit_->text().trimmed().toInt());
    if (form_.accept()) QDialog::accept();
}

}  // namespace qv
