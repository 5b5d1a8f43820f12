#include "label/editor/forms/listing_pages.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/tenths_of_mm.h"
#include "label/print/font_template.h"

namespace qv {

namespace {

constexpr int kTopMargin = 150;     // 15 mm
constexpr int kBottomMargin = 250;  // a page is full 25 mm above the bottom
constexpr int kLabelX = 200;
constexpr int kValueX = 600;
constexpr int kTitleY = -150;

}  // namespace

ListingPages::ListingPages(std::vector<ListingLine> lines, const LabelDefinition& d)
    : lines_(std::move(lines)),
      titleBold_(d.titleBold != 0),
      titleItalic_(d.titleItalic != 0),
      titleUnderline_(d.titleUnderline != 0) {}

FontSpec ListingPages::titleFont() const {
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, kDefaultFaceName, pointsToLogical(16));
    font.weight = titleBold_ ? kBoldWeight : 400;
    font.italic = titleItalic_;
    font.underline = titleUnderline_;
    return font;
}

FontSpec ListingPages::bodyFont() const {
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, kDefaultFaceName, pointsToLogical(10));
    font.weight = 400;
    return font;
}

int ListingPages::firstLineY(bool firstPage) const {
    return -(kTopMargin + (firstPage ? titleHeight_ : 0) + bodyHeight_);
}

int ListingPages::paginate(DrawSurface& surface, int pageWidthMm) {
    pageWidth_ = tenthsFromWholeMm(pageWidthMm);
    bottom_ = -tenthsFromWholeMm(surface.verticalSizeMm());
    FontSpec previous = surface.selectFont(titleFont());
    titleHeight_ = surface.textExtent("A", 1).cy;
    surface.selectFont(bodyFont());
    bodyHeight_ = std::max(1, surface.textExtent("A", 1).cy);
    surface.selectFont(previous);
    firstLines_.assign(1, 1);
    int y = firstLineY(true);
    for (size_t i = 1; i < lines_.size(); ++i) {
        if (y - bodyHeight_ < bottom_ + kBottomMargin && i > firstLines_.back()) {
            firstLines_.push_back(i);
            y = firstLineY(false);
        }
        y -= bodyHeight_;
    }
    return pageCount();
}

void ListingPages::drawPage(DrawSurface& surface, int page, const MacroTimestamp& date) const {
    if (page < 1 || page > pageCount() || lines_.empty()) return;
    const FontSpec previous = surface.selectFont(titleFont());
    surface.setBackgroundTransparent(true);
    surface.setTextColor(kBlack);
    if (page == 1) {
        const ListingLine& title = lines_[0];
        const std::string value = title.value == kEmptyListingPart ? "" : title.value;
        surface.textOut(kLabelX, kTitleY, sjis::fromUtf8(title.label + value));
    }
    surface.selectFont(bodyFont());
    const size_t first = firstLines_[static_cast<size_t>(page - 1)];
    const size_t end = static_cast<size_t>(page) < firstLines_.size()
                           ? firstLines_[static_cast<size_t>(page)]
                           : lines_.size();
    int y = firstLineY(page == 1);
    for (size_t i = first; i < end; ++i, y -= bodyHeight_) {
        if (lines_[i].label != kEmptyListingPart) {
            surface.textOut(kLabelX, y, sjis::fromUtf8(lines_[i].label));
        }
        if (lines_[i].value != kEmptyListingPart) {
            surface.textOut(kValueX, y, sjis::fromUtf8(lines_[i].value));
        }
    }
    const LogicalRect foot{0, bottom_ + 2 * bodyHeight_, pageWidth_, bottom_ + bodyHeight_};
    surface.drawTextInRect(foot, formatText("Page %d", page), HAlign::Centre, VAlign::Top);
    surface.drawTextInRect(foot, formatText("%d.%d.%d", date.year, date.month, date.day),
                           HAlign::Left, VAlign::Top);
    surface.selectFont(previous);
}

}  // namespace qv
