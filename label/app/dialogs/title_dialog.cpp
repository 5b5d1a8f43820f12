#include "label/app/dialogs/title_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/button_groups.h"
#include "platform/colour_palette.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

// Three radio buttons in a row, with ids 0..2, named for the tests and the style sheets.
QButtonGroup* addRadioRow(QWidget* owner, QBoxLayout* layout, const char* const (&texts)[3],
                          const char* const (&names)[3]) {
    auto* group = new QButtonGroup(owner);
    auto* row = new QHBoxLayout;
    for (int id = 0; id < 3; ++id) {
        auto* button = new QRadioButton(QString::fromUtf8(texts[id]), owner);
        button->setObjectName(QString::fromLatin1(names[id]));
        group->addButton(button, id);
        row->addWidget(button);
    }
    layout->addLayout(row);
    return group;
}

}  // namespace

TitleDialog::TitleDialog(LabelDefinition& definition, QWidget* parent)
    : QDialog(parent), definition_(definition), form_(definition) {
    setWindowTitle(QStringLiteral("タイトルの設定"));
    auto* layout = new QVBoxLayout(this);

    textEdit_ = new QLineEdit(fromSjis(form_.text()), this);
    textEdit_->setObjectName(QStringLiteral("titleText"));
    connect(textEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setText(toSjis(text)); });
    auto* fontButton = new QPushButton(QStringLiteral("フォントの選択"), this);
    fontButton->setObjectName(QStringLiteral("fontButton"));
    connect(fontButton, &QPushButton::clicked, this, &TitleDialog::chooseFont);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(textEdit_, 1);
    textRow->addWidget(fontButton);
    layout->addLayout(textRow);

    layout->addWidget(buildPositionGroup());

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("タイトルの色"), this));
    palette_ = new ColourPalette(this);
    palette_->setObjectName(QStringLiteral("titleColour"));
    connect(palette_, &ColourPalette::colourChosen, this, [this](int index) {
        form_.chooseColour(index);
        showState();
    });
    colourRow->addWidget(palette_);
    colourRow->addStretch();
    layout->addLayout(colourRow);

    layout->addWidget(buildFooterGroup());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TitleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TitleDialog::reject);
    layout->addWidget(buttons);
    showState();
}

QWidget* TitleDialog::buildPositionGroup() {
    auto* box = new QGroupBox(QStringLiteral("上部の空白に対する配置"), this);
    auto* layout = new QVBoxLayout(box);
    horizontalGroup_ =
        addRadioRow(box, layout, {"左寄せ", "中央", "右寄せ"}, {"left", "centre", "right"});
    verticalGroup_ =
        addRadioRow(box, layout, {"上寄せ", "中央", "下寄せ"}, {"top", "middle", "bottom"});
    connect(horizontalGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        form_.chooseHorizontal(id);
        showState();
    });
    connect(verticalGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        form_.chooseVertical(id);
        showState();
    });
    return box;
}

QWidget* TitleDialog::buildFooterGroup() {
    auto* box = new QGroupBox(QStringLiteral("フッター"), this);
    auto* layout = new QHBoxLayout(box);
    pageNumberBox_ = new QCheckBox(QStringLiteral("ページ番号"), box);
    pageNumberBox_->setObjectName(QStringLiteral("pageNumber"));
    dateBox_ = new QCheckBox(QStringLiteral("出力日を印刷"), box);
    dateBox_->setObjectName(QStringLiteral("outputDate"));
    connect(pageNumberBox_, &QCheckBox::toggled, this,
            [this](bool on) { form_.setPrintPageNumber(on); });
    connect(dateBox_, &QCheckBox::toggled, this, [this](bool on) { form_.setPrintDate(on); });
    layout->addWidget(pageNumberBox_);
    layout->addWidget(dateBox_);
    return box;
}

void TitleDialog::chooseFont() {
    if (!fontPicker_) return;  // the window that opens the dialog gives its picker
    if (const std::optional<FontChoice> font = fontPicker_(this, form_.font())) {
        form_.chooseFont(*font);
    }
}

void TitleDialog::showState() {
    checkOnly(horizontalGroup_, form_.horizontal());
    checkOnly(verticalGroup_, form_.vertical());
    palette_->setSelectedIndex(form_.colourIndex());
    pageNumberBox_->setChecked(form_.printPageNumber());
    dateBox_->setChecked(form_.printDate());
}

void TitleDialog::accept() {
    form_.storeInto(definition_);
    QDialog::accept();
}

}  // namespace qv
