#include "label/app/print_runner.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "label/print/print_job.h"
#include "platform/page_output.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

QPageSize pageSizeOf(const PrinterPaper& paper) {
    switch (paper.paperCode) {
        case kPaperCodeA3:
            return QPageSize(QPageSize::A3);
        case kPaperCodeA4:
            return QPageSize(QPageSize::A4);
        case kPaperCodeB4:
            return QPageSize(QPageSize::B4);
        case kPaperCodeB5:
            return QPageSize(QPageSize::B5);
        default:
            break;
    }
    if (paper.customWidth <= 0 || paper.customLength <= 0) return QPageSize(QPageSize::A4);
    return QPageSize(QSizeF(paper.customWidth / 10.0, paper.customLength / 10.0),
                     QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

}  // namespace

// The printer paper set from the definition before every print or preview.
void setUpPrinter(QPrinter& printer, const PrinterPaper& paper) {
    printer.setPageSize(pageSizeOf(paper));
    printer.setPageOrientation(paper.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
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
    const int pages = job.prepare();
    if (!job.monoPatternMode()) return pages;
    return job.useMonoPattern(monoLabels_, monoCopies_);
}

QString PrintRunner::fallbackPdfPath(const CQuorviDoc& document) {
    if (document.pathName().empty()) return QDir::home().filePath(QStringLiteral("NewFile.pdf"));
    const QFileInfo definition(fromUtf8(document.pathName()));
    return definition.dir().filePath(definition.completeBaseName() + QStringLiteral(".pdf"));
}

PrintRunner::Outcome PrintRunner::print(bool withDialog) {
    LabelPrintJob job(document_, settings_.print, clock_, messages_);
    const int pages = prepare(job);
    if (pages < 1) {
        job.end();
        status_ = QStringLiteral("印刷するページがありません");
        return Outcome::NothingToPrint;
    }
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = fallbackPdfPath(document_);
        std::string error;
        const PaperSize size = job.paperSize();
        const bool written = writePdf(
            toUtf8(path), {double(size.widthMm), double(size.heightMm)}, pages,
            [&job](DrawSurface& s, int p) { job.printPage(s, p); }, error);
        job.end();
        if (!written) {
            messages_.stop(error);
            return Outcome::Failed;
        }
        status_ = QStringLiteral("プリンタがないため %1 に出力しました").arg(path);
        return Outcome::WrotePdf;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, job.printerPaper());
    printer.setFromTo(1, pages);
    if (withDialog) {
        QPrintDialog dialog(&printer, parent_);
        dialog.setMinMax(1, pages);
        if (dialog.exec() != QDialog::Accepted) {
            job.end();
            return Outcome::Cancelled;
        }
    }
    const bool range = printer.printRange() == QPrinter::PageRange;
    paintRange(printer, job, range ? printer.fromPage() : 1, range ? printer.toPage() : pages);
    job.end();
    status_ = QStringLiteral("Ready");
    return Outcome::Printed;
}

void PrintRunner::preview() {
    LabelPrintJob job(document_, settings_.print, clock_, messages_);
    const int pages = prepare(job);
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, job.printerPaper());
    QPrintPreviewDialog dialog(&printer, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&job, pages](QPrinter* target) { paintRange(*target, job, 1, pages); });
    dialog.exec();
    job.end();
}

}  // namespace qv
