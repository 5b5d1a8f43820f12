// Printing from the desktop program: with or without the print dialog, print preview, and a PDF
// beside the definition when no printer is installed.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "label/app/job_check.h"
#include "label/app/quorvi_settings.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/text_macros.h"

class QPrinter;
class QWidget;

namespace qv {

struct PrinterPaper;
struct PrintOutcome;

// Sets the printer's paper size and orientation from a paper set-up.
void setUpPrinter(QPrinter& printer, const PrinterPaper& paper);

class LabelPrintJob;

class PrintRunner {
  public:
    PrintRunner(CQuorviDoc& document, const QuorviSettings& settings, MacroClock& clock,
                MessageService& messages, QWidget* parent);

    enum class Outcome { Printed, WrotePdf, Cancelled, NothingToPrint, Failed };

    // Prints every page through the print service (the dialog may choose the printer, a range
    // and copies). Without any printer the pages go to a PDF beside the definition when
    // `pdfWithoutPrinter`, and a message and `status` say where; otherwise, as every failure,
    // it is told in a message and gives Failed.
    Outcome print(bool withDialog, bool pdfWithoutPrinter = true);
    void preview();

    // With a CSZ data file: the records of every label and the number of copies (pages) chosen
    // in the mono-pattern dialog. Without it a CSZ run has nothing to print.
    void useMonoPattern(std::vector<std::string> labels, int copies);
    // A partly used sheet: print and preview begin at label `label` (from 1) of the first page.
    void startAtLabel(int label) { firstLabel_ = label; }
    // Every record prints on `copies` labels.
    void printCopies(int copies) { copiesPerRecord_ = copies; }
    // The adjustment of the printer a print goes to (offset, barcodes on whole dots); the
    // preview and a PDF are never adjusted.
    void adjustPrinters(std::function<PrinterAdjustment(const std::string&)> adjustmentFor) {
        adjustmentFor_ = std::move(adjustmentFor);
    }
    // Before anything prints, every page is rendered at the printer's resolution and every
    // barcode read back; labels that do not read back are listed and printing goes on only when
    // the user says so.
    void verifyFirst(bool verify) { verify_ = verify; }

    const QString& status() const { return status_; }

    // The PDF written when no printer is installed: the definition's path with ".pdf".
    static QString fallbackPdfPath(const CQuorviDoc& document);

  private:
    int prepare(LabelPrintJob& job);
    Outcome print(LabelPrintJob& job, bool withDialog, bool pdfWithoutPrinter);
    Outcome writeFile(LabelPrintJob& job, const QString& path, int first, int last);
    Outcome noPrinter(LabelPrintJob& job, const PrintOutcome& why, int pages,
                      bool pdfWithoutPrinter);
    Outcome failed(const PrintOutcome& why);
    Outcome nothingToPrint();
    Outcome dataFileFailed();
    bool firstLabelOnSheet();
    // The check before printing pages `first`..`last` on `printerName` (empty: the default;
    // nullptr: no printer, checked at the default resolution). False when nothing may print;
    // `status_` then says why.
    bool checkedBeforePrint(LabelPrintJob& job, const std::string* printerName, int first,
                            int last);
    CheckTarget checkTarget(LabelPrintJob& job, const std::string* printerName) const;

    CQuorviDoc& document_;
    const QuorviSettings& settings_;
    MacroClock& clock_;
    MessageService& messages_;
    QWidget* parent_;
    QString status_;
    std::vector<std::string> monoLabels_;
    int monoCopies_ = 0;
    int firstLabel_ = 1;
    int copiesPerRecord_ = 1;
    std::function<PrinterAdjustment(const std::string&)> adjustmentFor_;
    bool verify_ = false;
    QString verified_;  // the check's result, put before the print's status
};

}  // namespace qv
