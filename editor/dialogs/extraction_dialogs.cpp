#include "editor/dialogs/extraction_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace qv {

namespace {

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLabel* countField(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QStringLiteral("count"));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(60);
    return label;
}

// "開始" (the default button) and "終了" at the bottom of `layout`.
QPushButton* addButtons(QDialog* dialog, QBoxLayout* layout) {
    auto* start = new QPushButton(QStringLiteral("開始"), dialog);
    start->setObjectName(QStringLiteral("start"));
    start->setDefault(true);
    auto* finish = new QPushButton(QStringLiteral("終了"), dialog);
    finish->setObjectName(QStringLiteral("finish"));
    finish->setAutoDefault(false);
    QObject::connect(finish, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(start);
    row->addWidget(finish);
    layout->addLayout(row);
    return start;
}

}  // namespace

SerialExtractionDialog::SerialExtractionDialog(const CROWSMITHDoc& source, ExtractionBuffer& buffer,
                                               MessageService& messages, QWidget* parent)
    : QDialog(parent), source_(source), buffer_(buffer), messages_(messages) {
    buffer_.clear();
    setWindowTitle(QStringLiteral("連番指定の抽出"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    fromEdit_ = edit(this, "from");
    toEdit_ = edit(this, "to");
    count_ = countField(this);
    grid->addWidget(new QLabel(QStringLiteral("From:"), this), 0, 0);
    grid->addWidget(fromEdit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("To:"), this), 1, 0);
    grid->addWidget(toEdit_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("抽出済み件数"), this), 2, 0);
    grid->addWidget(count_, 2, 1, Qt::AlignLeft);
    layout->addLayout(grid);
    connect(addButtons(this, layout), &QPushButton::clicked, this, &SerialExtractionDialog::run);
}

void SerialExtractionDialog::run() {
    const std::optional<SerialInput> toCorrect = runSerialExtractionAsTyped(
        buffer_, source_, numberIn(fromEdit_->text()), numberIn(toEdit_->text()), messages_);
    if (toCorrect) {
        (*toCorrect == SerialInput::To ? toEdit_ : fromEdit_)->setFocus();
        return;
    }
    count_->setText(QString::number(buffer_.count()));
}

FieldExtractionDialog::FieldExtractionDialog(const CROWSMITHDoc& source, ExtractionBuffer& buffer,
                                             MessageService& messages, QWidget* parent)
    : QDialog(parent), source_(source), buffer_(buffer), messages_(messages) {
    buffer_.clear();
    setWindowTitle(QStringLiteral("ﾌｨｰﾙﾄﾞによる抽出"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    fields_ = new QListWidget(this);
    fields_->setObjectName(QStringLiteral("fields"));
    for (const std::string& name : source.headerNames) fields_->addItem(fromSjis(name));
    columns->addWidget(fields_);
    auto* grid = new QGridLayout;
    fieldEdit_ = edit(this, "field");
    fromEdit_ = edit(this, "from");
    toEdit_ = edit(this, "to");
    count_ = countField(this);
    grid->addWidget(new QLabel(QStringLiteral("対象ﾌｨｰﾙﾄﾞ"), this), 0, 0);
    grid->addWidget(fieldEdit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("文字列-FROM"), this), 1, 0);
    grid->addWidget(fromEdit_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("文字列-TO"), this), 2, 0);
    grid->addWidget(toEdit_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("抽出件数"), this), 3, 0);
    grid->addWidget(count_, 3, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("(検索は前方一致で行われます)"), this), 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    columns->addLayout(grid, 1);
    layout->addLayout(columns);
    connect(fields_, &QListWidget::currentTextChanged, fieldEdit_, &QLineEdit::setText);
    connect(addButtons(this, layout), &QPushButton::clicked, this, &FieldExtractionDialog::run);
}

void FieldExtractionDialog::run() {
    std::string from = toSjis(fromEdit_->text());
    std::string to = toSjis(toEdit_->text());
    const std::optional<FieldRange> range =
        checkFieldRange(source_.headerNames, toSjis(fieldEdit_->text()), from, to, messages_);
    // The edits show the texts as the check left them (To filled in, or the two swapped).
    fromEdit_->setText(fromSjis(from));
    toEdit_->setText(fromSjis(to));
    if (!range) return;
    const QString title = windowTitle();
    setWindowTitle(QStringLiteral("%1(検索中)").arg(title));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runFieldExtraction(buffer_, source_, *range);
    QApplication::restoreOverrideCursor();
    setWindowTitle(title);
    count_->setText(QString::number(buffer_.count()));
}

}  // namespace qv
