#include "editor/dialogs/font_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/sjis_text.h"
#include "platform/font_picker_dialog.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

// A sunken read-only field, as the dialog shows the chosen face and size.
QLabel* valueField(QWidget* parent, const QString& name) {
    auto* field = new QLabel(parent);
    field->setObjectName(name);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setMinimumWidth(40);
    return field;
}

}  // namespace

FontSettingsDialog::FontSettingsDialog(const RowsmithFonts& fonts, QWidget* parent)
    : QDialog(parent), fonts_(fonts), fontPicker_(pickFont) {
    setWindowTitle(QStringLiteral("選択されているフォント"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        buildFontGroup(QStringLiteral("画面のﾌｫﾝﾄ"), "Screen", screenFace_, screenSize_));
    layout->addWidget(
        buildFontGroup(QStringLiteral("印刷のﾌｫﾝﾄ"), "Print", printFace_, printSize_));

    trueTypeBox_ = new QCheckBox(QStringLiteral("TrueTypeフォントのみ使用"), this);
    trueTypeBox_->setObjectName(QStringLiteral("trueTypeOnly"));
    connect(trueTypeBox_, &QCheckBox::toggled, this, [this](bool on) { fonts_.trueTypeOnly = on; });
    layout->addWidget(trueTypeBox_);
    japaneseBox_ = new QCheckBox(QStringLiteral("日本語フォントのみ使用"), this);
    japaneseBox_->setObjectName(QStringLiteral("japaneseOnly"));
    connect(japaneseBox_, &QCheckBox::toggled, this, [this](bool on) { fonts_.japaneseOnly = on; });
    layout->addWidget(japaneseBox_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontSettingsDialog::reject);
    layout->addWidget(buttons);
    showState();
}

QWidget* FontSettingsDialog::buildFontGroup(const QString& title, const char* name, QLabel*& face,
                                            QLabel*& size) {
    const QString suffix = QString::fromLatin1(name);
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    face = valueField(group, QStringLiteral("face") + suffix);
    size = valueField(group, QStringLiteral("size") + suffix);
    auto* choose = new QPushButton(QStringLiteral("選択"), group);
    choose->setObjectName(QStringLiteral("choose") + suffix);
    choose->setAutoDefault(false);
    const bool screen = suffix == QLatin1String("Screen");
    connect(choose, &QPushButton::clicked, this, [this, screen] { this->choose(screen); });
    grid->addWidget(new QLabel(QStringLiteral("フォント名"), group), 0, 0);
    grid->addWidget(face, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("サイズ"), group), 1, 0);
    grid->addWidget(size, 1, 1);
    grid->addWidget(choose, 0, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

void FontSettingsDialog::choose(bool screen) {
    std::string& face = screen ? fonts_.screenFace : fonts_.printFace;
    int& size = screen ? fonts_.screenSize : fonts_.printSize;
    const QString caption =
        screen ? QStringLiteral("画面用のフォント選択") : QStringLiteral("印刷用のフォントの選択");
    FontChoice current;
    current.face = sjis::fromUtf8(face);
    current.pointSize = size;
    const std::optional<FontChoice> chosen =
        fontPicker_(this, caption, current, fonts_.trueTypeOnly, fonts_.japaneseOnly);
    // Only the face and the size are the data editor's; the style boxes are ignored. A picker
    // that hands back no face or an impossible size leaves the font as it was.
    if (!chosen || chosen->face.empty() || chosen->pointSize < 1 ||
        chosen->pointSize > kMaxRowsmithFontSize)
        return;
    face = sjis::toUtf8(chosen->face);
    size = chosen->pointSize;
    showState();
}

void FontSettingsDialog::showState() {
    screenFace_->setText(fromUtf8(fonts_.screenFace));
    screenSize_->setText(QString::number(fonts_.screenSize));
    printFace_->setText(fromUtf8(fonts_.printFace));
    printSize_->setText(QString::number(fonts_.printSize));
    trueTypeBox_->setChecked(fonts_.trueTypeOnly);
    japaneseBox_->setChecked(fonts_.japaneseOnly);
}

void FontSettingsDialog::accept() {
    result_ = fonts_;
    QDialog::accept();
}

std::optional<RowsmithFonts> askRowsmithFonts(QWidget* parent, const RowsmithFonts& current) {
    FontSettingsDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.result();
}

}  // namespace qv
