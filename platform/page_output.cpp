#include "platform/page_output.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cmath>
#include <memory>
#include <vector>

#include "common/file_io.h"
#include "label/definition/tenths_of_mm.h"

#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"
#include "platform/replacement_device.h"

namespace qv {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;
constexpr int kNominalPrinterDpi = 1200;  // for a printer that does not tell its resolution

QPageSize pageSizeOf(const PageFormat& format) {
    return QPageSize(QSizeF(format.widthMm, format.heightMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

// Each page on its own surface, so nothing carries over from one page to the next.
void paintPage(QPainter& painter, const PagePainter& paint, int page, const SurfaceDevice& device) {
    QPainterSurface surface(painter, device);
    paint(surface, page);
}

}  // namespace

PagePainter pagesFrom(int first, const PagePainter& paint) {
    if (first == 1) return paint;
    return [first, paint](DrawSurface& surface, int page) { paint(surface, first + page - 1); };
}

namespace {

SurfaceDevice pdfSurface(const PageFormat& format, const PdfDevice& device) {
    SurfaceDevice surface;
    surface.dpi = device.dpi;
    surface.colourCount = device.colourCount;
    surface.wholeDots = device.wholeDots;
    surface.barRaster = device.barRaster;
    surface.verticalSizeMm =
        static_cast<int>(device.printableHeightMm > 0 ? device.printableHeightMm : format.heightMm);
    return surface;
}

}  // namespace

// The pages go to a temporary file that replaces `path` only when the PDF is whole.
bool writePdf(const std::string& path, const PageFormat& format, int pageCount,
              const PagePainter& paint, std::string& error, const PdfDevice& device) {
    ReplacementFile file(path);
    ReplacementDevice output(file);
    if (!output.ready(error)) return false;
    QPdfWriter writer(&output);
    writer.setResolution(device.dpi);
    writer.setPageLayout(QPageLayout(pageSizeOf(format), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("quorvi32"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = "cannot write " + path;
        return false;
    }
    // Bitmaps go into the PDF as their pixels are, never as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    const SurfaceDevice surface = pdfSurface(format, device);
    const QPointF origin(device.originXMm / kMmPerInch * device.dpi,
                         device.originYMm / kMmPerInch * device.dpi);
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) writer.newPage();
        painter.save();
        painter.translate(origin);
        paintPage(painter, paint, page, surface);
        painter.restore();
    }
    if (!painter.end()) {
        error = "cannot finish " + path;
        return false;
    }
    return output.finish(error) && file.commit(&error);
}

std::string pngPagePath(const std::string& path, int page) {
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
    return stem + "-" + std::to_string(page) + ".png";
}

std::string pngPageTooLarge(const PageFormat& format, int dpi) {
    const double pixels =
        (format.widthMm / kMmPerInch * dpi) * (format.heightMm / kMmPerInch * dpi);
    if (pixels <= kMostPngPagePixels) return {};
    return "a page of " + std::to_string(std::lround(format.widthMm)) + " x " +
           std::to_string(std::lround(format.heightMm)) + " mm at " + std::to_string(dpi) +
           " dpi has " + std::to_string(std::llround(pixels / 1e6)) +
           " million pixels, more than the " + std::to_string(kMostPngPagePixels / 1000000) +
           " million a PNG page may have: choose a lower --dpi";
}

// Every page goes to a temporary file first; the pages replace their files only when all of them
// were written, so a failure leaves the old pages as they were.
bool writePngs(const std::string& path, const PageFormat& format, int dpi, int pageCount,
               const PagePainter& paint, std::string& error, const PageShift& shift) {
    error = pngPageTooLarge(format, dpi);
    if (!error.empty()) return false;
    const QSize pixels(qRound(format.widthMm / kMmPerInch * dpi),
                       qRound(format.heightMm / kMmPerInch * dpi));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
    if (image.isNull()) {
        error = "the page is too large for an image at this resolution";
        return false;
    }
    std::vector<std::unique_ptr<ReplacementFile>> files;
    for (int page = 1; page <= pageCount; ++page) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(shift.xMm / kMmPerInch * dpi, shift.yMm / kMmPerInch * dpi);
        paintPage(painter, paint, page, describeDevice(image));
        painter.end();
        const std::string pagePath = pngPagePath(path, page);
        files.push_back(std::make_unique<ReplacementFile>(pagePath));
        ReplacementDevice output(*files.back());
        if (!output.ready(error)) return false;
        const bool saved = image.save(&output, "PNG");
        if (!output.finish(error)) return false;
        if (!saved) {
            error = "cannot write " + pagePath;
            return false;
        }
    }
    for (const auto& file : files) {
        if (!file->commit(&error)) return false;
    }
    return true;
}

namespace {

struct PageOrigin {
    double xMm = 0;
    double yMm = 0;
};

// Where (0, 0) of the drawing lies on the page sent to the printer: the printable area's corner
// in the sheet's orientation. A landscape sheet lies turned counter-clockwise on the portrait
// medium, so its left margin is the medium's bottom margin and its top margin the left one.
PageOrigin printableOrigin(const PrinterFacts& facts, bool landscape) {
    if (landscape) return {facts.bottomMarginMm, facts.leftMarginMm};
    return {facts.leftMarginMm, facts.topMarginMm};
}

// The PDF page sent to the printer: the sheet, or for a free size of 0 x 0 the printer's own
// paper in the sheet's orientation.
PageFormat printedPage(const PrintRequest& request, const PrinterFacts& facts) {
    if (!request.media.keyword.empty()) return request.sheet;
    const double shortSide = std::min(facts.mediaWidthMm, facts.mediaHeightMm);
    const double longSide = std::max(facts.mediaWidthMm, facts.mediaHeightMm);
    if (shortSide <= 0) return request.sheet;
    return request.media.landscape ? PageFormat{longSide, shortSide}
                                   : PageFormat{shortSide, longSide};
}

// Millimetres as whole dots at `dpi`, back in millimetres.
double onWholeDots(double mm, int dpi) {
    return std::round(mm / kMmPerInch * dpi) * kMmPerInch / dpi;
}

// A PDF page is a whole number of points; the print service centres it on the exact medium.
// How far the drawing must move against that so that it starts at the medium's corner.
PageOrigin centringOf(const PageFormat& page, const PrinterFacts& facts, bool landscape) {
    const QSize points = pageSizeOf(page).sizePoints();
    double mediumWidth = facts.mediaWidthMm;
    double mediumHeight = facts.mediaHeightMm;
    if (landscape) std::swap(mediumWidth, mediumHeight);
    if (mediumWidth <= 0 || mediumHeight <= 0) return {};
    const double mmPerPoint = kMmPerInch / 72;
    return {(mediumWidth - points.width() * mmPerPoint) / 2,
            (mediumHeight - points.height() * mmPerPoint) / 2};
}

PdfDevice printerDevice(const PrintRequest& request, const PrinterFacts& facts,
                        const PageFormat& page, const PrinterAdjustment& adjustment) {
    PdfDevice device;
    device.dpi = facts.dpi > 0 ? facts.dpi : kNominalPrinterDpi;
    device.wholeDots = true;  // on a fine grid where the printer does not tell its own
    device.colourCount = facts.colour && !request.monochrome ? 1 << 24 : 2;
    // The printable corner on whole dots, so the surface's dot grid is the printer's.
    const bool landscape = request.media.landscape;
    const PageOrigin corner = printableOrigin(facts, landscape);
    const PageOrigin centring = centringOf(page, facts, landscape);
    // The printer's own offset moves the drawing as a whole, on whole dots as well.
    const double offsetXMm = mmFromTenths(adjustment.offsetXTenths);
    const double offsetYMm = mmFromTenths(adjustment.offsetYTenths);
    device.originXMm = onWholeDots(corner.xMm + offsetXMm, device.dpi) - centring.xMm;
    device.originYMm = onWholeDots(corner.yMm + offsetYMm, device.dpi) - centring.yMm;
    device.barRaster = {adjustment.wholeDotModules, adjustment.barWidthReductionDots};
    const double margins = landscape ? facts.leftMarginMm + facts.rightMarginMm
                                     : facts.topMarginMm + facts.bottomMarginMm;
    device.printableHeightMm = page.heightMm - margins;
    return device;
}

}  // namespace

PrintOutcome printPages(const PrintRequest& request, const PagePainter& paint) {
    CupsPrinting cups;
    PrinterFacts facts;
    PrintOutcome outcome;
    if (!cups.choose(request.printerName, request.media, facts, outcome)) return outcome;

    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("quorvi32-XXXXXX.pdf")));
    if (!file.open()) {
        outcome.failure = PrintFailure::OutputFailed;
        outcome.reason = toUtf8(file.errorString());
        return outcome;
    }
    file.close();
    const PageFormat page = printedPage(request, facts);
    std::string error;
    const int count = request.lastPage - request.firstPage + 1;
    const PrinterAdjustment adjustment =
        request.adjustmentFor ? request.adjustmentFor(facts.name) : PrinterAdjustment();
    if (!writePdf(toUtf8(file.fileName()), page, count, pagesFrom(request.firstPage, paint), error,
                  printerDevice(request, facts, page, adjustment))) {
        outcome.failure = PrintFailure::OutputFailed;
        outcome.reason = error;
        return outcome;
    }
    CupsJobOptions options;
    options.media = request.media.keyword;
    options.copies = request.copies;
    options.monochrome = request.monochrome;
    return cups.submitPdf(toUtf8(file.fileName()), options, request.waitSeconds, request.waiting);
}

}  // namespace qv
