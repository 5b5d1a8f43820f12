// Sends composed pages to a PDF file, PNG files or a printer, one page at a time, so memory does
// not grow with the number of pages.
#pragma once

#include <functional>
#include <string>

#include "label/surface/draw_surface.h"

namespace qv {

// Draws page `page` (from 1) on the surface.
using PagePainter = std::function<void(DrawSurface&, int page)>;

struct PageFormat {
    double widthMm = 0;
    double heightMm = 0;
};

// One PDF, one page per sheet, the page as large as the paper. False with `error` on failure.
bool writePdf(const std::string& path, const PageFormat& format, int pageCount,
              const PagePainter& paint, std::string& error);

// One PNG per page at `dpi`, named after `path`'s stem + "-" + page number + ".png".
bool writePngs(const std::string& path, const PageFormat& format, int dpi, int pageCount,
               const PagePainter& paint, std::string& error);

// The name of page `page`'s PNG for the output path `path`.
std::string pngPagePath(const std::string& path, int page);

struct PrinterRequest {
    std::string printerName;  // empty: the default printer
    bool landscape = false;
    int paperCode = 9;  // Windows paper number: 8 A3, 9 A4, 12 B4, 13 B5; 0 custom
    double customWidthMm = 0;
    double customHeightMm = 0;
};

// Prints the pages on a CUPS printer without a dialog. False with `error` on failure.
bool printPages(const PrinterRequest& request, int pageCount, const PagePainter& paint,
                std::string& error);

}  // namespace qv
