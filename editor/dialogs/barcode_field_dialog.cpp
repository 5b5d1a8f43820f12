#include "editor/dialogs/barcode_field_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_controls.h"
#include "editor/dialogs/explanation_dialog.h"
#include "platform/qt_text.h"

namespace qv {

BarcodeFieldMemory BarcodeFieldDialog::remembered;

BarcodeFieldDialog::BarcodeFieldDialog(CROWSMITHDoc& document, MessageService& messages,
                                       QWidget* parent)
    : ModelessDialog(parent),
      form_(document, messages, remembered),
      title_(QStringLiteral("ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ")) {
    setWindowTitle(title_);
    form_.highlightRecord = [this](int record) { emit highlightRecord(record); };
    form_.documentChanged = [this] { emit documentChanged(); };
    form_.busy = [this](bool on) {
        setWindowTitle(on ? title_ + QStringLiteral("(変換中)") : title_);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };

    auto* layout = new QHBoxLayout(this);
    fieldEdit_ = addFieldChooser(
        layout, form_.fieldNames(), form_.memory().fieldName,
        [this](const std::string& name) { form_.setFieldName(name); }, this);

    auto* right = new QVBoxLayout;
    right->addLayout(buildActions());
    right->addLayout(buildLetters());
    right->addLayout(buildButtons());
    layout->addLayout(right, 1);
    showState();
}

QLayout* BarcodeFieldDialog::buildActions() {
    static const char* const kTexts[] = {"JAN CD付加", "ITF CD付加", "ｽﾀｰﾄ･ｽﾄｯﾌﾟ(CD39)",
                                         "ｽﾀｰﾄ･ｽﾄｯﾌﾟ(NW7)"};
    static const char* const kNames[] = {"actionJan", "actionItf", "actionCode39", "actionNw7"};
    auto* column = new QVBoxLayout;
    for (size_t i = 0; i < actions_.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kTexts[i]), this);
        radio->setObjectName(QString::fromLatin1(kNames[i]));
        radio->setChecked(static_cast<size_t>(form_.action()) == i);
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            form_.setAction(static_cast<BarcodeAction>(i));
            showState();
        });
        column->addWidget(radio);
        actions_[i] = radio;
    }
    return column;
}

QLayout* BarcodeFieldDialog::buildLetters() {
    auto* grid = new QGridLayout;
    startLabel_ = new QLabel(QStringLiteral("ｽﾀｰﾄ"), this);
    stopLabel_ = new QLabel(QStringLiteral("ｽﾄｯﾌﾟ"), this);
    startEdit_ = new QLineEdit(this);
    startEdit_->setObjectName(QStringLiteral("startLetter"));
    stopEdit_ = new QLineEdit(this);
    stopEdit_->setObjectName(QStringLiteral("stopLetter"));
    for (QLineEdit* edit : {startEdit_, stopEdit_}) edit->setMaximumWidth(40);
    connect(startEdit_, &QLineEdit::editingFinished, this,
            [this] { letterEdited(startEdit_, true); });
    connect(stopEdit_, &QLineEdit::editingFinished, this,
            [this] { letterEdited(stopEdit_, false); });
    checkBox_ = new QCheckBox(QStringLiteral("ﾁｪｯｸｷｬﾗｸﾀも計算"), this);
    checkBox_->setObjectName(QStringLiteral("checkCharacter"));
    connect(checkBox_, &QCheckBox::toggled, this, [this](bool on) { form_.setCheckCharacter(on); });
    grid->addWidget(startLabel_, 0, 0);
    grid->addWidget(startEdit_, 0, 1);
    grid->addWidget(stopLabel_, 0, 2);
    grid->addWidget(stopEdit_, 0, 3);
    grid->addWidget(checkBox_, 1, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return grid;
}

QLayout* BarcodeFieldDialog::buildButtons() {
    auto* grid = new QGridLayout;
    auto* add = makeButton(QStringLiteral("付加"), "addButton", this);
    connect(add, &QPushButton::clicked, this, &BarcodeFieldDialog::addPass);
    removeButton_ = makeButton(QStringLiteral("SSｺｰﾄﾞを取る"), "removeButton", this);
    connect(removeButton_, &QPushButton::clicked, this, &BarcodeFieldDialog::removePass);
    auto* help = makeButton(QStringLiteral("HELP"), "helpButton", this);
    connect(help, &QPushButton::clicked, this,
            [this] { showExplanation(this, kBarcodeFieldExplanation); });
    auto* close = makeButton(QStringLiteral("終了"), "closeButton", this);
    connect(close, &QPushButton::clicked, this, &BarcodeFieldDialog::reject);
    grid->addWidget(add, 0, 0);
    grid->addWidget(removeButton_, 0, 1);
    grid->addWidget(help, 1, 0);
    grid->addWidget(close, 1, 1);
    return grid;
}

// A typed letter is checked when the edit is left; leaving it unchanged checks nothing again.
void BarcodeFieldDialog::letterEdited(QLineEdit* edit, bool start) {
    const std::string text = toSjis(edit->text());
    if (text == (start ? form_.start() : form_.stop())) return;
    if (start) {
        form_.setStart(text);
    } else {
        form_.setStop(text);
    }
}

void BarcodeFieldDialog::showState() {
    startEdit_->setText(fromSjis(form_.start()));
    stopEdit_->setText(fromSjis(form_.stop()));
    const bool letters = form_.startStopEnabled();
    for (QWidget* widget : {static_cast<QWidget*>(startEdit_), static_cast<QWidget*>(stopEdit_),
                            static_cast<QWidget*>(startLabel_), static_cast<QWidget*>(stopLabel_)})
        widget->setEnabled(letters);
    checkBox_->setEnabled(form_.checkEnabled());
    removeButton_->setEnabled(form_.checkEnabled());
}

void BarcodeFieldDialog::addPass() {
    if (!ended()) form_.addPass();
}

void BarcodeFieldDialog::removePass() {
    if (!ended()) form_.removePass();
}

void BarcodeFieldDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

// A letter still being typed counts as left, so the next dialog starts with it.
void BarcodeFieldDialog::end() {
    if (form_.startStopEnabled()) {
        letterEdited(startEdit_, true);
        letterEdited(stopEdit_, false);
    }
    remembered = form_.memory();
}

}  // namespace qv
