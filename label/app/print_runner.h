// Printing from the desktop program: with or without the print dialog, print preview, and a PDF
// beside the definition when no printer is installed.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "label/app/quorvi_settings.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/text_macros.h"

class QPrinter;
class QWidget;

namespace qv {

struct PrinterPaper;

// Sets the printer's paper size and orientation from a paper set-up.
void setUpPrinter(QPrinter& printer, const PrinterPaper& paper);

class LabelPrintJob;

class PrintRunner {
  public:
    PrintRunner(CQuorviDoc& document, const QuorviSettings& settings, MacroClock& clock,
                MessageService& messages, QWidget* parent);

    enum class Outcome { Printed, WrotePdf, Cancelled, NothingToPrint, Failed };

    // Prints every page (the dialog may choose a range). Without any printer the pages go to a
    // PDF beside the definition; `status` then names it.
    Outcome print(bool withDialog);
    void preview();

    // With a CSZ data file: the records of every label and the number of copies (pages) chosen
    // in the mono-pattern dialog. Without it a CSZ run has nothing to print.
    void useMonoPattern(std::vector<std::string> labels, int copies);

    const QString& status() const { return status_; }

    // The PDF written when no printer is installed: the definition's path with ".pdf".
    static QString fallbackPdfPath(const CQuorviDoc& document);

  private:
    int prepare(LabelPrintJob& job);

    CQuorviDoc& document_;
    const QuorviSettings& settings_;
    MacroClock& clock_;
    MessageService& messages_;
    QWidget* parent_;
    QString status_;
    std::vector<std::string> monoLabels_;
    int monoCopies_ = 0;
};

}  // namespace qv
