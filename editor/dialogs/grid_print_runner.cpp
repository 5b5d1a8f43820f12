#include "editor/dialogs/grid_print_runner.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/file_io.h"
#include "editor/dialogs/grid_print_job.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"
#include "platform/replacement_device.h"

namespace qv {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kPdfResolution = 1200;

int twips(double inches) {
    return static_cast<int>(inches * kTwipsPerInch);
}

QString cannotWrite(const QString& path, const std::string& reason) {
    return QStringLiteral("%1 に書き込めません\n").arg(path) + fromUtf8(reason);
}

}  // namespace

GridPrintRunner::GridPrintRunner(CROWSMITHDoc& document, const QString& title,
                                 const RowsmithFonts& fonts, MessageService& messages,
                                 QWidget* parent)
    : document_(document), title_(title), fonts_(fonts), messages_(messages), parent_(parent) {}

QString GridPrintRunner::fallbackPdfPath(const CROWSMITHDoc& document) {
    if (document.pathName().empty()) return QDir::home().filePath(QStringLiteral("rowsmith.pdf"));
    return fromUtf8(document.pathName()) + QStringLiteral(".pdf");
}

void GridPrintRunner::status(const QString& text) {
    if (showStatus) showStatus(text);
}

bool GridPrintRunner::mayStart() {
    if (document_.recordCount() < 1) {
        status(QStringLiteral("印刷するﾚｺｰﾄﾞがありません"));
        return false;
    }
    if (!confirmGridPrint(document_.recordCount(), toUtf8(title_), messages_)) return false;
    status(QStringLiteral("印刷準備中  "));
    return true;
}

int GridPrintRunner::paint(QPainter& painter, GridPrintJob& job, double widthInches,
                           double heightInches, const std::function<void()>& newPage, int first,
                           int last) {
    int pages = 0;
    {
        QPainterSurface measuring(painter);
        pages = job.prepare(measuring, twips(widthInches), twips(heightInches),
                            [this](const std::string& text) { status(fromUtf8(text)); });
    }
    if (last < 1 || last > pages) last = pages;
    for (int page = std::max(1, first); page <= last; ++page) {
        if (page > std::max(1, first)) newPage();
        QPainterSurface surface(painter);  // a fresh device state on every page
        job.printPage(surface, page);
    }
    return pages;
}

// The PDF goes into a temporary file that replaces `path` only when whole, so a full disk or a
// refusing folder leaves an earlier PDF as it was.
bool GridPrintRunner::writePdf(const QString& path, QString& error) {
    ReplacementFile output(toUtf8(path));
    std::string reason;
    ReplacementDevice file(output);
    if (!file.ready(reason)) {
        error = cannotWrite(path, reason);
        return false;
    }
    if (!paintPdf(file, path, error)) return false;
    if (!file.finish(reason) || !output.commit(&reason)) {
        error = cannotWrite(path, reason);
        return false;
    }
    return true;
}

bool GridPrintRunner::paintPdf(QIODevice& device, const QString& path, QString& error) {
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("rowsmith"));
    writer.setTitle(title_);
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = cannotWrite(path, toUtf8(device.errorString()));
        return false;
    }
    const QSizeF inches = QPageSize(QPageSize::A4).size(QPageSize::Inch);
    GridPrintJob job(document_, toUtf8(title_), fonts_);
    paint(painter, job, inches.width(), inches.height(), [&writer] { writer.newPage(); });
    if (!painter.end()) {
        error = QStringLiteral("%1 を書き終えられません").arg(path);
        return false;
    }
    return true;
}

void GridPrintRunner::paintOnPrinter(QPrinter& printer, GridPrintJob& job, bool range) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.stop(
            toUtf8(QStringLiteral("%1 で印刷を始められません").arg(printer.printerName())));
        return;
    }
    // The painter's origin is the printable area's corner, as the layout expects.
    const QRectF area = printer.pageRect(QPrinter::Inch);
    paint(
        painter, job, area.width(), area.height(), [&printer] { printer.newPage(); },
        range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
    painter.end();
}

// The user names the file, so an earlier PDF is never replaced without being asked.
QString GridPrintRunner::choosePdfPath() {
    const QString suggested = fallbackPdfPath(document_);
    if (askPdfPath) return askPdfPath(suggested);
    return QFileDialog::getSaveFileName(parent_,
                                        QStringLiteral("プリンタがありません：PDFファイルに出力"),
                                        suggested, QStringLiteral("PDF (*.pdf)"));
}

GridPrintRunner::Outcome GridPrintRunner::print(bool withDialog) {
    if (!mayStart()) return Outcome::Cancelled;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = choosePdfPath();
        if (path.isEmpty()) {
            status(QString::fromUtf8(kGridReadyStatus));
            return Outcome::Cancelled;
        }
        QString error;
        if (!writePdf(path, error)) {
            messages_.stop(toUtf8(error));
            return Outcome::Failed;
        }
        status(QStringLiteral("プリンタがないため %1 に出力しました").arg(path));
        return Outcome::WrotePdf;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title_);
    if (withDialog) {
        QPrintDialog dialog(&printer, parent_);
        if (dialog.exec() != QDialog::Accepted) {
            status(QString::fromUtf8(kGridReadyStatus));
            return Outcome::Cancelled;
        }
    }
    GridPrintJob job(document_, toUtf8(title_), fonts_);
    paintOnPrinter(printer, job, printer.printRange() == QPrinter::PageRange);
    return Outcome::Printed;
}

GridPrintRunner::Outcome GridPrintRunner::preview() {
    if (!mayStart()) return Outcome::Cancelled;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title_);
    QPrintPreviewDialog dialog(&printer, parent_);
    GridPrintJob job(document_, toUtf8(title_), fonts_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this, &job](QPrinter* target) { paintOnPrinter(*target, job, false); });
    dialog.exec();
    return Outcome::Previewed;
}

}  // namespace qv
