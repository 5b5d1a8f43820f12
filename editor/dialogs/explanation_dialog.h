// The explanation dialog "説明" behind the HELP buttons of the data editor's dialogs: one of three
// texts in a read-only field, captioned with the calling dialog's title.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace qv {

// The numbers of the three texts.
enum ExplanationNumber : int {
    kBarcodeFieldExplanation = 1,  // the barcode field dialog
    kExtractionExplanation = 2,    // the extraction dialogs
    kLabelProgramExplanation = 3,  // association, launch and the label program's path
};

// Text `number` as stored with the program; empty for a number that has no text.
QString explanationText(int number);

// "説明(" + the calling dialog's title + ")".
QString explanationCaption(const QString& callerTitle);

class ExplanationDialog : public QDialog {
    Q_OBJECT

  public:
    // A number without a text shows a line saying so instead.
    ExplanationDialog(int number, const QString& callerTitle, QWidget* parent = nullptr);

    QString text() const;

  private:
    QPlainTextEdit* textField_;
};

// Shows text `number` modally over `caller`, captioned with the caller's title.
void showExplanation(QWidget* caller, int number);

}  // namespace qv
