#include "platform/page_output.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kPdfResolution = 1200;  // dpi of the PDF's coordinates; text and bars stay vectors
constexpr double kMetresPerInch = 0.0254;

QPageSize pageSizeOf(const PageFormat& format) {
    return QPageSize(QSizeF(format.widthMm, format.heightMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

// Each page on its own surface, so nothing carries over from one page to the next.
void paintPage(QPainter& painter, const PagePainter& paint, int page) {
    QPainterSurface surface(painter);
    paint(surface, page);
}

QPageSize printerPageSize(const PrinterRequest& request) {
    switch (request.paperCode) {
        case 8:
            return QPageSize(QPageSize::A3);
        case 9:
            return QPageSize(QPageSize::A4);
        case 12:
            return QPageSize(QPageSize::B4);  // JIS B4
        case 13:
            return QPageSize(QPageSize::B5);  // JIS B5
        default:
            break;
    }
    return pageSizeOf({request.customWidthMm, request.customHeightMm});
}

}  // namespace

bool writePdf(const std::string& path, const PageFormat& format, int pageCount,
              const PagePainter& paint, std::string& error) {
    QPdfWriter writer(fromUtf8(path));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(pageSizeOf(format), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("quorvi32"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = "cannot write " + path;
        return false;
    }
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) writer.newPage();
        paintPage(painter, paint, page);
    }
    if (!painter.end()) {
        error = "cannot finish " + path;
        return false;
    }
    return true;
}

std::string pngPagePath(const std::string& path, int page) {
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
    return stem + "-" + std::to_string(page) + ".png";
}

bool writePngs(const std::string& path, const PageFormat& format, int dpi, int pageCount,
               const PagePainter& paint, std::string& error) {
    const QSize pixels(qRound(format.widthMm / 25.4 * dpi), qRound(format.heightMm / 25.4 * dpi));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
    if (image.isNull()) {
        error = "the page is too large for an image at this resolution";
        return false;
    }
    for (int page = 1; page <= pageCount; ++page) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPage(painter, paint, page);
        painter.end();
        const std::string pagePath = pngPagePath(path, page);
        if (!image.save(fromUtf8(pagePath), "PNG")) {
            error = "cannot write " + pagePath;
            return false;
        }
    }
    return true;
}

bool printPages(const PrinterRequest& request, int pageCount, const PagePainter& paint,
                std::string& error) {
    QPrinter printer(QPrinter::HighResolution);
    if (!request.printerName.empty()) printer.setPrinterName(fromUtf8(request.printerName));
    if (!printer.isValid()) {
        error = request.printerName.empty() ? "no printer is set up"
                                            : "no printer named " + request.printerName;
        return false;
    }
    printer.setPageSize(printerPageSize(request));
    printer.setPageOrientation(request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("quorvi32"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "cannot start printing on " + toUtf8(printer.printerName());
        return false;
    }
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) printer.newPage();
        paintPage(painter, paint, page);
    }
    painter.end();
    return true;
}

}  // namespace qv
