#include "editor/dialogs/record_maintenance_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/dialogs/dialog_controls.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

int openedDialogs = 0;  // each new record dialog is placed one step further

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(60);
    return label;
}

}  // namespace

RecordMaintenanceDialog* RecordMaintenanceDialog::open(CROWSMITHDoc& document,
                                                       MessageService& messages,
                                                       const QString& documentTitle, int currentRow,
                                                       QWidget* parent) {
    auto* dialog =
        new RecordMaintenanceDialog(document, messages, documentTitle, currentRow, parent);
    if (!dialog->usable()) {
        delete dialog;
        return nullptr;
    }
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (parent) {
        const int step = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const int shift = step * (1 + openedDialogs++ % 8);
        dialog->move(parent->mapToGlobal(QPoint(shift, shift)));
    }
    dialog->show();
    return dialog;
}

RecordMaintenanceDialog::RecordMaintenanceDialog(CROWSMITHDoc& document, MessageService& messages,
                                                 const QString& documentTitle, int currentRow,
                                                 QWidget* parent)
    : ModelessDialog(parent), form_(document, messages) {
    baseCaption_ = QStringLiteral("レコードメンテ(") + documentTitle + QStringLiteral(")");
    form_.highlightRecord = [this](int record) { emit highlightRecord(record); };
    form_.extentChanged = [this] { emit documentChanged(); };
    form_.redraw = [this] { emit redrawRequested(); };
    form_.beep = [] { QApplication::beep(); };
    usable_ = form_.open(currentRow);
    if (!usable_) return;

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildBoxes(), 1);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("recordScroll"));
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &RecordMaintenanceDialog::scrolled);
    connect(scrollBar_, &QScrollBar::sliderReleased, this,
            [this] { act([this] { form_.goTo(scrollBar_->sliderPosition()); }); });
    layout->addWidget(scrollBar_);
    layout->addLayout(buildButtons());
    showState();
}

// The field names left of the boxes, the boxes, and the hint under them.
QWidget* RecordMaintenanceDialog::buildBoxes() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setVerticalSpacing(1);
    QFont nameFont = font();
    nameFont.setPointSize(11);
    for (int i = 0; i < form_.boxCount(); ++i) {
        auto* name = new QLabel(fromSjis(form_.boxName(i)), panel);
        name->setFont(nameFont);
        auto* box = new QLineEdit(panel);
        box->setObjectName(QStringLiteral("box%1").arg(i));
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            form_.setBox(i, form_.document().coreText(toUtf8(text)));
        });
        grid->addWidget(name, i, 0);
        grid->addWidget(box, i, 1);
        boxes_.push_back(box);
    }
    int row = form_.boxCount();
    if (form_.hiddenFieldCount() > 0) {
        auto* hidden = new QLabel(
            QStringLiteral("ほか %1 ﾌｨｰﾙﾄﾞはそのまま保存されます").arg(form_.hiddenFieldCount()),
            panel);
        hidden->setObjectName(QStringLiteral("hiddenFields"));
        grid->addWidget(hidden, row++, 0, 1, 2);
    }
    auto* hint = new QLabel(QStringLiteral("（▼▲ﾎﾞﾀﾝやｽｸﾛｰﾙで移動すると確定します）"), panel);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setStyleSheet(QStringLiteral("color: blue;"));
    grid->addWidget(hint, row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 1, 1);
    return panel;
}

QLayout* RecordMaintenanceDialog::buildButtons() {
    auto* column = new QVBoxLayout;
    auto* add = makeButton(QStringLiteral("末尾に追加"), "addButton", this);
    connect(add, &QPushButton::clicked, this, [this] { act([this] { form_.startAdd(); }); });
    deleteButton_ = makeButton(QStringLiteral("削　除"), "deleteButton", this);
    connect(deleteButton_, &QPushButton::clicked, this,
            [this] { act([this] { form_.removeCurrent(); }); });
    insertButton_ = makeButton(QStringLiteral("上に挿入"), "insertButton", this);
    connect(insertButton_, &QPushButton::clicked, this, [this] {
        act([this] { form_.insertAbove(); });
        if (!boxes_.empty()) boxes_.front()->setFocus();
    });
    auto* first = makeButton(QStringLiteral("先頭に移動"), "firstButton", this);
    connect(first, &QPushButton::clicked, this, [this] { act([this] { form_.first(); }); });
    auto* up = makeButton(QStringLiteral("▲"), "upButton", this);
    connect(up, &QPushButton::clicked, this, [this] { act([this] { form_.previous(); }); });
    auto* down = makeButton(QStringLiteral("▼"), "downButton", this);
    connect(down, &QPushButton::clicked, this, [this] { act([this] { form_.next(); }); });
    for (QWidget* button : {static_cast<QWidget*>(add), static_cast<QWidget*>(deleteButton_),
                            static_cast<QWidget*>(insertButton_), static_cast<QWidget*>(first),
                            static_cast<QWidget*>(up), static_cast<QWidget*>(down)})
        column->addWidget(button);

    countLabel_ = valueLabel("recordCount", this);
    positionLabel_ = valueLabel("currentPosition", this);
    column->addWidget(new QLabel(QStringLiteral("ﾚｺｰﾄﾞ件数"), this));
    column->addWidget(countLabel_);
    column->addWidget(new QLabel(QStringLiteral("現在位置"), this));
    column->addWidget(positionLabel_);

    confirmBox_ = new QCheckBox(QStringLiteral("削除の時"), this);
    confirmBox_->setObjectName(QStringLiteral("confirmDelete"));
    confirmBox_->setChecked(form_.confirmDelete());
    connect(confirmBox_, &QCheckBox::toggled, this,
            [this](bool on) { form_.setConfirmDelete(on); });
    column->addWidget(confirmBox_);
    column->addWidget(new QLabel(QStringLiteral("ﾒｯｾｰｼﾞ表示"), this));
    column->addStretch(1);
    closeButton_ = makeButton(QStringLiteral("終了"), "closeButton", this);
    connect(closeButton_, &QPushButton::clicked, this, &RecordMaintenanceDialog::reject);
    column->addWidget(closeButton_);
    return column;
}

void RecordMaintenanceDialog::scrolled(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            act([this] { form_.previous(); });
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            act([this] { form_.next(); });
            break;
        case QAbstractSlider::SliderPageStepSub:
            act([this] { form_.pageUp(rowsPerPage_); });
            break;
        case QAbstractSlider::SliderPageStepAdd:
            act([this] { form_.pageDown(rowsPerPage_); });
            break;
        case QAbstractSlider::SliderToMinimum:
            act([this] { form_.first(); });
            break;
        case QAbstractSlider::SliderToMaximum:
            act([this] { form_.last(); });
            break;
        default:
            return;  // the thumb moves the record when it is let go
    }
    // The slider takes this position once the action is over.
    scrollBar_->setSliderPosition(std::clamp(form_.position(), 1, std::max(form_.count(), 1)));
}

// A closed dialog waiting to be deleted no longer touches the document.
template <typename Action>
void RecordMaintenanceDialog::act(Action action) {
    if (ended()) return;
    action();
    showState();
}

void RecordMaintenanceDialog::showRecord(int record) {
    act([this, record] { form_.goTo(record); });
}

void RecordMaintenanceDialog::showState() {
    for (int i = 0; i < form_.boxCount(); ++i) {
        QLineEdit* box = boxes_[static_cast<size_t>(i)];
        const QString text = fromSjis(form_.box(i));
        if (box->text() != text) box->setText(text);
    }
    countLabel_->setText(QString::number(form_.count()));
    positionLabel_->setText(QString::number(form_.position()));
    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setRange(1, std::max(form_.count(), 1));
        scrollBar_->setPageStep(std::max(rowsPerPage_, 1));
        scrollBar_->setValue(std::clamp(form_.position(), 1, std::max(form_.count(), 1)));
    }
    deleteButton_->setEnabled(form_.deleteEnabled());
    insertButton_->setEnabled(form_.insertEnabled());
    closeButton_->setEnabled(form_.closeEnabled());
    setWindowTitle(baseCaption_ + QString::fromUtf8(form_.captionSuffix().c_str()));
}

// Enter stays in the boxes: only the buttons and moves store a record.
void RecordMaintenanceDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void RecordMaintenanceDialog::end() {
    if (usable_) form_.close();
}

}  // namespace qv
