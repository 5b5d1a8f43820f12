#include "editor/dialogs/extraction_method_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/dialogs/explanation_dialog.h"
#include "editor/dialogs/extraction_dialogs.h"

namespace qv {

ExtractionMethodDialog::ExtractionMethodDialog(const CROWSMITHDoc& source, MessageService& messages,
                                               QWidget* parent)
    : QDialog(parent),
      source_(source),
      messages_(messages),
      runner_([](QDialog& dialog) { return dialog.exec(); }) {
    setWindowTitle(QStringLiteral("抽出方法"));
    auto* layout = new QVBoxLayout(this);
    serial_ = new QRadioButton(QStringLiteral("連番指定による抽出"), this);
    serial_->setObjectName(QStringLiteral("serial"));
    serial_->setChecked(true);
    field_ = new QRadioButton(QStringLiteral("ﾌｨｰﾙﾄﾞﾃﾞｰﾀのFROM-TO"), this);
    field_->setObjectName(QStringLiteral("field"));
    layout->addWidget(serial_);
    layout->addWidget(field_);

    auto* row = new QHBoxLayout;
    auto* choose = new QPushButton(QStringLiteral("選択"), this);
    choose->setObjectName(QStringLiteral("choose"));
    choose->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* help = new QPushButton(QStringLiteral("HELP"), this);
    help->setObjectName(QStringLiteral("help"));
    help->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &ExtractionMethodDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ExtractionMethodDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { showExplanation(this, kExtractionExplanation); });
    for (QPushButton* b : {choose, cancel, help}) row->addWidget(b);
    layout->addLayout(row);
}

bool ExtractionMethodDialog::byField() const {
    return field_->isChecked();
}

void ExtractionMethodDialog::accept() {
    int result = QDialog::Rejected;
    if (byField()) {
        FieldExtractionDialog dialog(source_, buffer_, messages_, this);
        result = runner_(dialog);
    } else {
        SerialExtractionDialog dialog(source_, buffer_, messages_, this);
        result = runner_(dialog);
    }
    if (result == QDialog::Accepted) {
        QDialog::accept();
    } else {
        buffer_.clear();  // Escape keeps nothing of that dialog's runs
    }
}

std::optional<ExtractedRecords> runExtraction(QWidget* parent, const CROWSMITHDoc& source,
                                              MessageService& messages) {
    ExtractionMethodDialog dialog(source, messages, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.takeResult();
}

}  // namespace qv
