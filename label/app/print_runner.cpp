#include "label/app/print_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "label/app/job_check.h"
#include "label/app/job_pages.h"
#include "label/print/print_job.h"
#include "label/print/printer_media.h"
#include "platform/cups_printing.h"
#include "platform/page_output.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

// The paper of a set-up as Qt names it (JIS B for B4 and B5, as the print service gets it).
QPageSize pageSizeOf(const PrinterMedia& media) {
    if (media.widthMm <= 0 || media.heightMm <= 0) return QPageSize(QPageSize::A4);
    return QPageSize(QSizeF(media.widthMm, media.heightMm), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

}  // namespace

// The printer paper set from the definition before every print or preview; the whole paper is
// the page, as on the printer, so the preview shows what is printed.
void setUpPrinter(QPrinter& printer, const PrinterPaper& paper) {
    const PrinterMedia media = printerMedia(paper);
    printer.setFullPage(true);
    printer.setPageSize(pageSizeOf(media));
    printer.setPageOrientation(media.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("quorvi32"));
}

namespace {

void paintRange(QPrinter& printer, LabelPrintJob& job, int first, int last) {
    QPainter painter(&printer);
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        QPainterSurface surface(painter);
        job.printPage(surface, page);
    }
}

}  // namespace

PrintRunner::PrintRunner(CQuorviDoc& document, const QuorviSettings& settings, MacroClock& clock,
                         MessageService& messages, QWidget* parent)
    : document_(document),
      settings_(settings),
      clock_(clock),
      messages_(messages),
      parent_(parent) {}

void PrintRunner::useMonoPattern(std::vector<std::string> labels, int copies) {
    monoLabels_ = std::move(labels);
    monoCopies_ = copies;
}

int PrintRunner::prepare(LabelPrintJob& job) {
    job.startAtLabel(firstLabel_);
    job.printCopies(copiesPerRecord_);
    const int pages = job.prepare();
    if (!job.monoPatternMode()) return pages;
    return job.useMonoPattern(monoLabels_, monoCopies_);
}

QString PrintRunner::fallbackPdfPath(const CQuorviDoc& document) {
    if (document.pathName().empty()) return QDir::home().filePath(QStringLiteral("NewFile.pdf"));
    const QFileInfo definition(fromUtf8(document.pathName()));
    return definition.dir().filePath(definition.completeBaseName() + QStringLiteral(".pdf"));
}

PrintRunner::Outcome PrintRunner::writeFile(LabelPrintJob& job, const QString& path, int first,
                                            int last) {
    std::string error;
    const bool written = writePdf(toUtf8(path), pageFormatOf(job), last - first + 1,
                                  pagesFrom(first, pagesOf(job)), error);
    if (!written) {
        status_ = QStringLiteral("%1 に出力できませんでした").arg(path);
        messages_.stop(error);
        return Outcome::Failed;
    }
    status_ = QStringLiteral("%1 に出力しました").arg(path);
    return Outcome::WrotePdf;
}

// Without a printer an interactive print goes to a PDF beside the definition, and says so; the
// start-up print mode has nobody to pick that file up, so it fails with the reason.
PrintRunner::Outcome PrintRunner::noPrinter(LabelPrintJob& job, const PrintOutcome& why, int pages,
                                            bool pdfWithoutPrinter) {
    if (!pdfWithoutPrinter) return failed(why);
    if (!checkedBeforePrint(job, nullptr, 1, pages)) return Outcome::Cancelled;
    const QString path = fallbackPdfPath(document_);
    const Outcome outcome = writeFile(job, path, 1, pages);
    if (outcome != Outcome::WrotePdf) return outcome;
    status_ = QStringLiteral("プリンタがないため %1 に出力しました").arg(path);
    messages_.information(toUtf8(status_) + "\n\n" + printFailureMessage(why));
    return outcome;
}

PrintRunner::Outcome PrintRunner::failed(const PrintOutcome& why) {
    const std::string message = printFailureMessage(why);
    status_ = fromUtf8(message.substr(0, message.find('\n')));
    messages_.stop(message);
    return Outcome::Failed;
}

// A first label that the sheet does not have is told, and nothing prints.
bool PrintRunner::firstLabelOnSheet() {
    const int labels = labelsPerPage(document_.definition().sheet);
    if (firstLabel_ <= 1 || firstLabel_ <= labels) return true;
    status_ = QStringLiteral("開始ラベル %1 はありません（このシートのラベルは %2 枚です）")
                  .arg(firstLabel_)
                  .arg(labels);
    messages_.exclamation(toUtf8(status_));
    return false;
}

PrintRunner::Outcome PrintRunner::print(bool withDialog, bool pdfWithoutPrinter) {
    if (!firstLabelOnSheet()) return Outcome::Failed;
    LabelPrintJob job(document_, settings_.print, clock_, messages_);
    const Outcome outcome = print(job, withDialog, pdfWithoutPrinter);
    job.end();
    return outcome;
}

PrintRunner::Outcome PrintRunner::print(LabelPrintJob& job, bool withDialog,
                                        bool pdfWithoutPrinter) {
    const int pages = prepare(job);
    if (pages < 1) return job.dataFileFailed() ? dataFileFailed() : nothingToPrint();
    PrintOutcome why;
    std::vector<std::string> printers;
    if (!CupsPrinting().printerNames(printers, why.reason)) {
        why.failure = PrintFailure::ServiceUnreachable;
        why.printer = kDefaultPrinterName;
        return noPrinter(job, why, pages, pdfWithoutPrinter);
    }
    if (printers.empty()) {
        why.failure = PrintFailure::NoPrinter;
        return noPrinter(job, why, pages, pdfWithoutPrinter);
    }
    PrintRequest request;
    request.media = printerMedia(job.printerPaper());
    request.sheet = pageFormatOf(job);
    request.lastPage = pages;
    if (withDialog) {
        QPrinter printer(QPrinter::HighResolution);
        setUpPrinter(printer, job.printerPaper());
        printer.setFromTo(1, pages);
        QPrintDialog dialog(&printer, parent_);
        dialog.setMinMax(1, pages);
        if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
        if (printer.printRange() == QPrinter::PageRange) {
            request.firstPage = std::max(1, printer.fromPage());
            request.lastPage = std::min(pages, std::max(request.firstPage, printer.toPage()));
        }
        if (!printer.outputFileName().isEmpty()) {
            if (!checkedBeforePrint(job, nullptr, request.firstPage, request.lastPage)) {
                return Outcome::Cancelled;
            }
            return writeFile(job, printer.outputFileName(), request.firstPage, request.lastPage);
        }
        request.printerName = toUtf8(printer.printerName());
        request.copies = std::max(1, printer.copyCount());
        request.monochrome = printer.colorMode() == QPrinter::GrayScale;
    }
    if (!checkedBeforePrint(job, &request.printerName, request.firstPage, request.lastPage)) {
        return Outcome::Cancelled;
    }
    request.waiting = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    request.adjustmentFor = adjustmentFor_;
    const PrintOutcome printed = printPages(request, pagesOf(job));
    if (!printed.ok()) return failed(printed);
    status_ = printed.stillWaiting
                  ? QStringLiteral("プリンタ「%1」に送りました（ジョブ %2）")
                        .arg(fromUtf8(printed.printer))
                        .arg(printed.jobId)
                  : QStringLiteral("プリンタ「%1」で印刷しました").arg(fromUtf8(printed.printer));
    if (!verified_.isEmpty()) status_ = verified_ + QStringLiteral("。") + status_;
    return Outcome::Printed;
}

CheckTarget PrintRunner::checkTarget(LabelPrintJob& job, const std::string* printerName) const {
    CheckTarget target;
    if (printerName == nullptr) return target;
    PrintOutcome unused;
    // A printer that cannot be chosen fails the print itself, which says why.
    if (!printerCheckTarget(*printerName, printerMedia(job.printerPaper()), adjustmentFor_, target,
                            unused)) {
        return CheckTarget();
    }
    return target;
}

bool PrintRunner::checkedBeforePrint(LabelPrintJob& job, const std::string* printerName, int first,
                                     int last) {
    if (!verify_) return true;
    VerifyReport report;
    std::string error;
    if (!checkJob(job, document_.definition(), checkTarget(job, printerName), first, last, report,
                  error)) {
        status_ = QStringLiteral("検査できなかったため印刷しませんでした");
        messages_.stop(error);
        return false;
    }
    verified_ = fromUtf8(reportSummaryJa(report));
    if (report.failures.empty() && report.warnings.empty()) return true;
    std::string text = reportSummaryJa(report) + "\n\n";
    for (const std::string& line :
         reportLinesJa(document_.definition(), report, kMostFindingsShownOnDesktop)) {
        text += line + "\n";
    }
    text += "\n印刷しますか？";
    // A label that does not read back prints only when the user insists.
    const MessageAnswer preset = report.passed() ? MessageAnswer::Yes : MessageAnswer::No;
    if (messages_.askYesNo(text, preset)) return true;
    status_ = verified_ + QStringLiteral("。印刷しませんでした");
    return false;
}

// Print and preview say the same when there is nothing to print.
PrintRunner::Outcome PrintRunner::nothingToPrint() {
    status_ = QStringLiteral("印刷するページがありません");
    messages_.exclamation(toUtf8(status_));
    return Outcome::NothingToPrint;
}

// The reader has told why the data file cannot be read; the status bar keeps it in view.
PrintRunner::Outcome PrintRunner::dataFileFailed() {
    status_ = QStringLiteral("データファイルを読めないため印刷しませんでした");
    return Outcome::Failed;
}

void PrintRunner::preview() {
    if (!firstLabelOnSheet()) return;
    LabelPrintJob job(document_, settings_.print, clock_, messages_);
    const int pages = prepare(job);
    if (pages < 1) {
        job.end();
        if (job.dataFileFailed()) {
            dataFileFailed();
        } else {
            nothingToPrint();
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, job.printerPaper());
    QPrintPreviewDialog dialog(&printer, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&job, pages](QPrinter* target) { paintRange(*target, job, 1, pages); });
    dialog.exec();
    job.end();
}

}  // namespace qv
