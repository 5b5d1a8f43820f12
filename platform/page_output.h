// Sends composed pages to a PDF file, PNG files or a printer, one page at a time, so memory does
// not grow with the number of pages.
#pragma once

#include <functional>
#include <string>

#include "label/print/printer_adjustment.h"
#include "label/print/printer_media.h"
#include "label/surface/draw_surface.h"
#include "platform/cups_printing.h"

namespace qv {

// Draws page `page` (from 1) on the surface.
using PagePainter = std::function<void(DrawSurface&, int page)>;

// Pages `first`, `first` + 1, ... of `paint` as pages 1, 2, ... of an output.
PagePainter pagesFrom(int first, const PagePainter& paint);

struct PageFormat {
    double widthMm = 0;
    double heightMm = 0;
};

// The device that PDF pages are drawn for. The export draws at a nominal 1200 dpi with exact
// vector bars; a print job draws at the printer's own resolution with every bar and space edge
// on a whole dot of it, and with (0, 0) at the printer's printable-area corner.
struct PdfDevice {
    int dpi = 1200;
    bool wholeDots = false;
    int colourCount = 1 << 24;  // 2: everything coloured prints black
    double originXMm = 0;       // where (0, 0) lies on the PDF page
    double originYMm = 0;
    double printableHeightMm = 0;  // 0: the page's height
    BarRaster barRaster;           // what the printer asks of barcodes
};

// One PDF, one page per sheet, the page as large as the paper; images are stored lossless.
// The file replaces `path` only when whole; false with `error` on failure, the old file kept.
bool writePdf(const std::string& path, const PageFormat& format, int pageCount,
              const PagePainter& paint, std::string& error, const PdfDevice& device = PdfDevice());

// The most pixels a PNG page may have (an A4 page at 1200 dpi has 139 million): a larger page is
// refused before anything is drawn.
constexpr long long kMostPngPagePixels = 160000000;

// Why a page of `format` at `dpi` is too large for a PNG page; empty when it is not.
std::string pngPageTooLarge(const PageFormat& format, int dpi);

// How far the drawing is moved on an exported page: right and down.
struct PageShift {
    double xMm = 0;
    double yMm = 0;
};

// One PNG per page at `dpi`, named after `path`'s stem + "-" + page number + ".png".
bool writePngs(const std::string& path, const PageFormat& format, int dpi, int pageCount,
               const PagePainter& paint, std::string& error, const PageShift& shift = {});

// The name of page `page`'s PNG for the output path `path`.
std::string pngPagePath(const std::string& path, int page);

// How long a print follows its job before it takes the job as sent.
constexpr int kPrintWaitSeconds = 60;

struct PrintRequest {
    std::string printerName;  // empty: the service's default printer
    PrinterMedia media;       // of the definition's paper set-up
    PageFormat sheet;         // the page as the export composes it
    int firstPage = 1;
    int lastPage = 1;
    int copies = 1;
    bool monochrome = false;
    int waitSeconds = kPrintWaitSeconds;
    std::function<void()> waiting;  // called while the job is followed
    // The settings of the printer the job goes to, by its name (the default printer's once the
    // service has named it); none: the page as the export composes it.
    std::function<PrinterAdjustment(const std::string& printer)> adjustmentFor;
};

// Composes pages firstPage..lastPage for the printer as the export does (at its resolution and
// origin, moved by the printer's offset, with its barcode settings) and sends them through the
// print service; every failure comes back in the outcome.
PrintOutcome printPages(const PrintRequest& request, const PagePainter& paint);

}  // namespace qv
