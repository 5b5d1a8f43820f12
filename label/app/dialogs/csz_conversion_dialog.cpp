#include "label/app/dialogs/csz_conversion_dialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace qv {

namespace {

QPushButton* namedButton(const QString& text, const char* objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

}  // namespace

CszConversionDialog::CszConversionDialog(MessageService& messages, QWidget* parent)
    : QDialog(parent), conversion_(messages), browse_(browseWithFileDialog) {
    setWindowTitle(QStringLiteral("ＣＳＺファイル変換"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("ＣＳＶファイルをＣＳＺファイルにリネームします。")));

    auto* pathRow = new QHBoxLayout;
    path_ = new QLabel;
    path_->setObjectName(QStringLiteral("path"));
    path_->setFrameShape(QFrame::Panel);
    path_->setFrameShadow(QFrame::Sunken);
    path_->setMinimumWidth(320);
    pathRow->addWidget(path_, 1);
    QPushButton* browseButton = namedButton(QStringLiteral("参照"), "browse");
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);

    auto* modes = new QGroupBox;
    auto* modeLayout = new QHBoxLayout(modes);
    rename_ = new QRadioButton(fromUtf8(kCszRenameLabel));
    copy_ = new QRadioButton(fromUtf8(kCszCopyLabel));
    rename_->setChecked(true);
    modeLayout->addWidget(rename_);
    modeLayout->addWidget(copy_);
    layout->addWidget(modes);
    layout->addWidget(new QLabel(QStringLiteral("(コピーの時、既にあるファイルは上書きします)")));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    execute_ = namedButton(QStringLiteral("実 行"), "execute");
    execute_->setEnabled(false);
    buttons->addWidget(execute_);
    QPushButton* cancel = namedButton(QStringLiteral("キャンセル"), "cancel");
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, &CszConversionDialog::browse);
    connect(execute_, &QPushButton::clicked, this, &CszConversionDialog::execute);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(copy_, &QRadioButton::toggled, this, [this](bool on) {
        conversion_.setMode(on ? CszConversion::Mode::Copy : CszConversion::Mode::Rename);
    });
}

void CszConversionDialog::browse() {
    BrowseRequest request;
    request.title = fromUtf8(kCszBrowseTitle);
    request.filter = qtFileFilter(kCszBrowseFilter);
    request.mustExist = true;
    const QString chosen = browse_(this, request);
    if (chosen.isEmpty()) return;
    conversion_.chooseSource(toUtf8(chosen));
    path_->setText(fromUtf8(conversion_.displayPath()));
    path_->setToolTip(chosen);
    execute_->setEnabled(conversion_.canExecute());
}

// A refusal has been reported by the conversion; the dialog then stays open.
void CszConversionDialog::execute() {
    if (conversion_.execute()) accept();
}

}  // namespace qv
