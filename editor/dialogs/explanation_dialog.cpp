#include "editor/dialogs/explanation_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/sjis_text.h"
#include "platform/font_mapping.h"

// The texts are compiled into this static library; the resource must be registered by name,
// which Q_INIT_RESOURCE only does outside a namespace.
static void registerExplanationTexts() {
    Q_INIT_RESOURCE(explanation_texts);
}

namespace qv {

QString explanationText(int number) {
    if (number < kBarcodeFieldExplanation || number > kLabelProgramExplanation) return {};
    static const bool registered = (registerExplanationTexts(), true);
    (void)registered;
    QFile file(QStringLiteral(":/rowsmith/explanations/explanation%1.txt").arg(number));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString explanationCaption(const QString& callerTitle) {
    return QStringLiteral("説明(") + callerTitle + QLatin1Char(')');
}

ExplanationDialog::ExplanationDialog(int number, const QString& callerTitle, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(explanationCaption(callerTitle));
    auto* layout = new QVBoxLayout(this);
    textField_ = new QPlainTextEdit(this);
    textField_->setObjectName(QStringLiteral("text"));
    textField_->setReadOnly(true);
    // A fixed-pitch Japanese face, so that the texts' columns of full-width blanks line up.
    QFont font = textField_->font();
    font.setFamily(familyForFace(sjis::fromUtf8("ＭＳ ゴシック")));
    textField_->setFont(font);
    const QString text = explanationText(number);
    textField_->setPlainText(text.isEmpty() ? QStringLiteral("説明 %1 はありません。").arg(number)
                                            : text);
    layout->addWidget(textField_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExplanationDialog::accept);
    layout->addWidget(buttons);
    resize(640, 540);
}

QString ExplanationDialog::text() const {
    return textField_->toPlainText();
}

void showExplanation(QWidget* caller, int number) {
    ExplanationDialog dialog(number, caller != nullptr ? caller->windowTitle() : QString(), caller);
    dialog.exec();
}

}  // namespace qv
