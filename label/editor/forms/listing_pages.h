// The definition listing as printed pages: the title line large on the first page, then one
// label and value a line, with "Page n" and the date at the foot of every page.
#pragma once

#include <vector>

#include "label/definition/definition_listing.h"
#include "label/definition/text_macros.h"
#include "label/surface/draw_surface.h"

namespace qv {

class ListingPages {
  public:
    // `lines` as buildDefinitionListing gives them; the title line is the first.
    ListingPages(std::vector<ListingLine> lines, const LabelDefinition& definition);

    // Splits the lines into pages for the surface's printable height; gives the page count.
    int paginate(DrawSurface& surface, int pageWidthMm);
    void drawPage(DrawSurface& surface, int page, const MacroTimestamp& date) const;
    int pageCount() const { return static_cast<int>(firstLines_.size()); }

  private:
    FontSpec titleFont() const;
    FontSpec bodyFont() const;
    int firstLineY(bool firstPage) const;

    std::vector<ListingLine> lines_;
    bool titleBold_;
    bool titleItalic_;
    bool titleUnderline_;
    std::vector<size_t> firstLines_;  // the first line of each page
    int pageWidth_ = 0;               // logical units
    int bottom_ = 0;                  // the printable area's bottom, logical units
    int titleHeight_ = 0;
    int bodyHeight_ = 0;
};

}  // namespace qv
