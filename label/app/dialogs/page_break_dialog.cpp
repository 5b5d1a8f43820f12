#include "label/app/dialogs/page_break_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "common/profile_file.h"
#include "platform/qt_text.h"

namespace qv {

PageBreakDialog::PageBreakDialog(LabelDefinition& definition, ProfileFile settings,
                                 MessageService& messages, QWidget* parent)
    : QDialog(parent), definition_(definition), form_(definition, std::move(settings), messages) {
    setWindowTitle(QStringLiteral("ﾌｨｰﾙﾄﾞによる改頁の設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFieldPart());
    layout->addWidget(buildStylePart());
    layout->addWidget(buildBracketGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PageBreakDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PageBreakDialog::reject);
    layout->addWidget(buttons);
    showState();
}

QWidget* PageBreakDialog::buildFieldPart() {
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    breakingBox_ = new QCheckBox(QStringLiteral("改頁を行う"), part);
    breakingBox_->setObjectName(QStringLiteral("breaking"));
    fieldName_ = new QLabel(part);
    fieldName_->setObjectName(QStringLiteral("fieldName"));
    fieldList_ = new QListWidget(part);
    fieldList_->setObjectName(QStringLiteral("fields"));
    for (const std::string& name : form_.fieldNames()) fieldList_->addItem(fromSjis(name));
    connect(breakingBox_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setBreaking(on);
        showState();
    });
    connect(fieldList_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.chooseEntry(row);
        showState();
    });
    layout->addWidget(breakingBox_);
    layout->addWidget(fieldName_);
    layout->addWidget(fieldList_);
    return part;
}

QWidget* PageBreakDialog::buildStylePart() {
    auto* part = new QWidget(this);
    auto* layout = new QHBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    perGroupButton_ = new QRadioButton(QStringLiteral("改頁毎"), part);
    perGroupButton_->setObjectName(QStringLiteral("perGroup"));
    runningButton_ = new QRadioButton(QStringLiteral("改頁毎と通し"), part);
    runningButton_->setObjectName(QStringLiteral("perGroupAndRunning"));
    connect(perGroupButton_, &QRadioButton::clicked, this,
            [this] { form_.setPageStyle(PageStyle::PerGroup); });
    connect(runningButton_, &QRadioButton::clicked, this,
            [this] { form_.setPageStyle(PageStyle::PerGroupAndRunning); });
    layout->addWidget(perGroupButton_);
    layout->addWidget(runningButton_);
    return part;
}

QWidget* PageBreakDialog::buildBracketGroup() {
    auto* box = new QGroupBox(QStringLiteral("サブタイトルの括弧"), this);
    auto* layout = new QFormLayout(box);
    auto* openEdit = new QLineEdit(fromSjis(form_.openBracket()), box);
    openEdit->setObjectName(QStringLiteral("openBracket"));
    auto* closeEdit = new QLineEdit(fromSjis(form_.closeBracket()), box);
    closeEdit->setObjectName(QStringLiteral("closeBracket"));
    connect(openEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setOpenBracket(toSjis(text)); });
    connect(closeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setCloseBracket(toSjis(text)); });
    layout->addRow(QStringLiteral("左"), openEdit);
    layout->addRow(QStringLiteral("右"), closeEdit);
    return box;
}

void PageBreakDialog::showState() {
    const QSignalBlocker blockBox(breakingBox_);
    const QSignalBlocker blockList(fieldList_);
    breakingBox_->setChecked(form_.breaking());
    fieldList_->setEnabled(form_.listEnabled());
    fieldName_->setEnabled(form_.listEnabled());
    fieldList_->setCurrentRow(form_.selectedField() - 1);  // an entry without a name stays unset
    fieldName_->setText(fromSjis(form_.selectedName()));
    perGroupButton_->setChecked(form_.pageStyle() == PageStyle::PerGroup);
    runningButton_->setChecked(form_.pageStyle() == PageStyle::PerGroupAndRunning);
}

void PageBreakDialog::accept() {
    if (!form_.accept()) return;
    form_.storeInto(definition_);
    QDialog::accept();
}

}  // namespace qv
