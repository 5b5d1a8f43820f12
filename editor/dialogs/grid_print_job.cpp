#include "editor/dialogs/grid_print_job.h"

#include <algorithm>
#include <cmath>

#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kUnitsPerInch = 254;  // 0.1 mm
constexpr int kMargin = 720;        // left of the table, top of the column titles
constexpr int kTitleTop = 360;
constexpr int kRowSpacing = 100;
constexpr int kTextInset = 30;  // keeps the text off the left border
constexpr int kThinPen = 1;
constexpr int kThickPen = 3;

int logicalToTwips(int units) {
    return static_cast<int>(std::lround(units * double(kTwipsPerInch) / kUnitsPerInch));
}

// A horizontal or vertical line in twips, y downward.
void line(DrawSurface& surface, int x1, int y1, int x2, int y2) {
    surface.moveTo(twipsToLogical(x1), -twipsToLogical(y1));
    surface.lineTo(twipsToLogical(x2), -twipsToLogical(y2));
}

}  // namespace

int twipsToLogical(int twips) {
    return static_cast<int>(std::lround(twips * double(kUnitsPerInch) / kTwipsPerInch));
}

GridPrintJob::GridPrintJob(CROWSMITHDoc& document, std::string title, const RowsmithFonts& fonts)
    : document_(document), title_(std::move(title)) {
    font_.height = pointsToLogical(fonts.printSize);
    font_.weight = 400;
    font_.charSet = CharacterSet::ShiftJis;
    font_.faceName = sjis::fromUtf8(fonts.printFace);
}

int GridPrintJob::prepare(DrawSurface& surface, int printableWidth, int printableHeight,
                          const std::function<void(const std::string&)>& status) {
    const FontSpec previous = surface.selectFont(font_);
    const TextSize letter = surface.textExtent("A", 1);
    surface.selectFont(previous);
    metrics_.rowHeight = logicalToTwips(letter.cy) + kRowSpacing;
    metrics_.charWidth = std::max(1, logicalToTwips(letter.cx));
    metrics_.printableWidth = printableWidth - kTwipsPerInch;
    metrics_.printableHeight = printableHeight - kTwipsPerInch;
    if (status) status(gridPreparingStatus(0));
    image_.compose(document_, printWidths(document_), metrics_, [&status](int tenths) {
        if (status) status(gridPreparingStatus(tenths));
    });
    if (status) status(kGridReadyStatus);
    return image_.pageCount();
}

void GridPrintJob::printPage(DrawSurface& surface, int page) const {
    const std::optional<GridPage> content = image_.page(page);
    if (!content) return;
    surface.selectFont(font_);
    surface.setTextColor(kBlack);
    surface.setBackgroundTransparent(true);
    const std::string title =
        formatText("%s  %dの%d頁", title_.c_str(), content->block, content->group);
    surface.textOut(twipsToLogical(kMargin), -twipsToLogical(kTitleTop), sjis::fromUtf8(title));

    int top = kMargin;
    drawRow(surface, content->titles, top);
    for (const std::vector<GridCell>& row : content->rows) {
        top += metrics_.rowHeight;
        drawRow(surface, row, top);
    }
    top += metrics_.rowHeight;
    int right = kMargin;
    for (const GridCell& cell : content->titles) right += cell.width;
    surface.selectSolidPen(kThickPen, kBlack);
    line(surface, kMargin, top, right, top);
}

// One row: the top rule and outer edges thick, the edges between cells thin.
void GridPrintJob::drawRow(DrawSurface& surface, const std::vector<GridCell>& cells,
                           int top) const {
    const int bottom = top + metrics_.rowHeight;
    int x = kMargin;
    for (const GridCell& cell : cells) {
        const LogicalRect box{twipsToLogical(x + kTextInset), -twipsToLogical(top),
                              twipsToLogical(x + cell.width), -twipsToLogical(bottom)};
        surface.drawTextInRect(box, cell.text, HAlign::Left, VAlign::Middle);
        x += cell.width;
    }
    surface.selectSolidPen(kThickPen, kBlack);
    line(surface, kMargin, top, x, top);
    line(surface, kMargin, top, kMargin, bottom);
    line(surface, x, top, x, bottom);
    surface.selectSolidPen(kThinPen, kBlack);
    int edge = kMargin;
    for (size_t k = 0; k + 1 < cells.size(); ++k) {
        edge += cells[k].width;
        line(surface, edge, top, edge, bottom);
    }
}

}  // namespace qv
