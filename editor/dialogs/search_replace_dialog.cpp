#include "editor/dialogs/search_replace_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_controls.h"
#include "platform/qt_text.h"

namespace qv {

SearchReplaceDialog::SearchReplaceDialog(CROWSMITHDoc& document, MessageService& messages,
                                         QWidget* parent)
    : ModelessDialog(parent),
      form_(document, messages),
      title_(QStringLiteral("検索・ﾌｨｰﾙﾄﾞ置換")) {
    setWindowTitle(title_);
    form_.highlightRecord = [this](int record) { emit highlightRecord(record); };
    form_.documentChanged = [this] { emit documentChanged(); };
    form_.busy = [this](bool on) {
        setWindowTitle(on ? title_ + QStringLiteral("(検索中)") : title_);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };

    auto* layout = new QHBoxLayout(this);
    fieldEdit_ = addFieldChooser(
        layout, form_.fieldNames(), "",
        [this](const std::string& name) { form_.setFieldName(name); }, this);

    auto* right = new QVBoxLayout;
    right->addLayout(buildTexts());
    right->addLayout(buildModes());
    auto* buttons = new QHBoxLayout;
    auto* searchButton = makeButton(QStringLiteral("検索"), "searchButton", this);
    connect(searchButton, &QPushButton::clicked, this, &SearchReplaceDialog::search);
    auto* closeButton = makeButton(QStringLiteral("終了"), "closeButton", this);
    connect(closeButton, &QPushButton::clicked, this, &SearchReplaceDialog::reject);
    buttons->addWidget(searchButton);
    buttons->addWidget(closeButton);
    right->addLayout(buttons);
    layout->addLayout(right, 1);
    showMode();
}

QLayout* SearchReplaceDialog::buildTexts() {
    auto* grid = new QGridLayout;
    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchText"));
    connect(searchEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        form_.setSearchText(form_.document().coreText(toUtf8(text)));
    });
    replaceEdit_ = new QLineEdit(this);
    replaceEdit_->setObjectName(QStringLiteral("replaceText"));
    connect(replaceEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        form_.setReplaceText(form_.document().coreText(toUtf8(text)));
    });
    replaceLabel_ = new QLabel(QStringLiteral("置換後の文字列\n(ﾌｨｰﾙﾄﾞ全体)"), this);
    grid->addWidget(new QLabel(QStringLiteral("検索する文字列"), this), 0, 0);
    grid->addWidget(searchEdit_, 0, 1);
    grid->addWidget(replaceLabel_, 1, 0);
    grid->addWidget(replaceEdit_, 1, 1);
    return grid;
}

QLayout* SearchReplaceDialog::buildModes() {
    auto* grid = new QGridLayout;
    searchMode_ = new QRadioButton(QStringLiteral("ﾚｺｰﾄﾞの検索"), this);
    searchMode_->setObjectName(QStringLiteral("searchMode"));
    searchMode_->setChecked(true);
    replaceMode_ = new QRadioButton(QStringLiteral("ﾌｨｰﾙﾄﾞの置換え"), this);
    replaceMode_->setObjectName(QStringLiteral("replaceMode"));
    connect(replaceMode_, &QRadioButton::toggled, this, [this](bool on) {
        form_.setMode(on ? SearchReplaceForm::Mode::Replace : SearchReplaceForm::Mode::Search);
        showMode();
    });
    prefixBox_ = new QCheckBox(QStringLiteral("前方一致"), this);
    prefixBox_->setObjectName(QStringLiteral("prefixMatch"));
    connect(prefixBox_, &QCheckBox::toggled, this, [this](bool on) { form_.setPrefixMatch(on); });
    replaceAllBox_ = new QCheckBox(QStringLiteral("一気に置換"), this);
    replaceAllBox_->setObjectName(QStringLiteral("replaceAll"));
    connect(replaceAllBox_, &QCheckBox::toggled, this,
            [this](bool on) { form_.setReplaceAll(on); });
    grid->addWidget(searchMode_, 0, 0);
    grid->addWidget(prefixBox_, 0, 1);
    grid->addWidget(replaceMode_, 1, 0);
    grid->addWidget(replaceAllBox_, 1, 1);
    return grid;
}

// The search mode takes prefix matching; the replace mode the replacement and replace-all.
void SearchReplaceDialog::showMode() {
    const bool replacing = form_.mode() == SearchReplaceForm::Mode::Replace;
    replaceEdit_->setEnabled(replacing);
    replaceLabel_->setEnabled(replacing);
    replaceAllBox_->setEnabled(replacing);
    prefixBox_->setEnabled(!replacing);
}

void SearchReplaceDialog::search() {
    if (!ended()) form_.step();
}

void SearchReplaceDialog::keyPressEvent(QKeyEvent* event) {
    // Enter searches, as the dialog's main button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        search();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qv
