// One print job of a document's table: the page image composed for the paper at the start, then
// each page drawn as a ruled table under its title "%s  %dの%d頁".
//
// The layout is worked out in twips (1/1440 inch) from the top-left corner of the printable
// area and drawn on any DrawSurface (printer, preview, PDF). The borders are drawn with pens
// 1 and 3 surface units wide (0.1 and 0.3 mm).
#pragma once

#include <functional>
#include <string>

#include "editor/model/grid_page_image.h"
#include "editor/model/rowsmith_fonts.h"
#include "label/surface/draw_surface.h"

namespace qv {

class GridPrintJob {
  public:
    // `title` (UTF-8) heads every page. Zero column widths of `document` become 10.
    GridPrintJob(CROWSMITHDoc& document, std::string title, const RowsmithFonts& fonts);

    // Measures the print font on `surface` and composes the page image for a printable area of
    // the given size (twips). `status` receives the preparing texts. Gives the page count.
    int prepare(DrawSurface& surface, int printableWidth, int printableHeight,
                const std::function<void(const std::string&)>& status);
    void printPage(DrawSurface& surface, int page) const;

    const GridPageImage& image() const { return image_; }
    const GridMetrics& metrics() const { return metrics_; }

  private:
    void drawRow(DrawSurface& surface, const std::vector<GridCell>& cells, int top) const;

    CROWSMITHDoc& document_;
    std::string title_;
    FontSpec font_;
    GridMetrics metrics_;
    GridPageImage image_;
};

// Twips to the surface's units (0.1 mm).
int twipsToLogical(int twips);

}  // namespace qv
