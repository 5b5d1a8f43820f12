// The page image of a printed table: the records cut into blocks of the rows that fit the
// paper, the fields into column groups of the width that fits, composed once before printing.
//
// Each printed page is one block of the image: the marker "@&/&%03d%02d" (record block, column
// group), one line per record holding the group's cells, and "&/&/END". A cell is its width in
// twips as "%04d" followed by the value, cells joined by commas. Inside a value a backslash
// escapes a comma, a backslash and a lone Shift-JIS lead byte, so every value comes back whole
// whatever it holds. Pages come in the order block 1 with groups 1, 2, ..., then block 2, ...
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

// Print metrics in twips (1/1440 inch).
struct GridMetrics {
    int rowHeight = 0;        // character height + leading + 100
    int charWidth = 0;        // width of "A"
    int printableWidth = 0;   // printable area less 1440
    int printableHeight = 0;  // printable area less 1440
};

// Rows per page (printable height / row height + 1) less the title and column title rows;
// at least one record.
int recordsPerPage(const GridMetrics& metrics);

// The widths in characters of the document's fields; a width of 0 becomes 10 in the document
// (fields beyond the width slots print 10 wide).
std::vector<int> printWidths(CROWSMITHDoc& document);

// Cell width in twips of a field `characters` wide; at most 9999, the widest "%04d" holds.
int cellWidth(int characters, int charWidth);

// The indexes of the fields that start a column group, beginning with 0 and ending with the
// field count.
std::vector<size_t> columnGroups(const std::vector<int>& widths, int charWidth, int printableWidth);

// One cell as the image holds it, and the cells of one image line back.
std::string gridCell(int width, const std::string& value);
struct GridCell {
    int width = 0;
    std::string text;
};
std::vector<GridCell> splitGridLine(const std::string& line);

struct GridPage {
    int block = 0;  // from 1
    int group = 0;  // from 1
    std::vector<GridCell> titles;
    std::vector<std::vector<GridCell>> rows;
};

class GridPageImage {
  public:
    // Composes the image of `document` (widths already printWidths'). `progress` is told each
    // tenth of the records done (1 to 10).
    void compose(const CROWSMITHDoc& document, const std::vector<int>& widths,
                 const GridMetrics& metrics, const std::function<void(int tenths)>& progress);

    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<std::string>& titleLines() const { return titleLines_; }
    const std::vector<size_t>& groups() const { return groups_; }
    int pageCount() const { return static_cast<int>(pageStarts_.size()); }
    // Page `page` (from 1); nothing outside the pages.
    std::optional<GridPage> page(int page) const;

  private:
    void appendBlock(const CROWSMITHDoc& document, size_t first, size_t last, int block);

    std::vector<std::string> lines_;
    std::vector<std::string> titleLines_;
    std::vector<size_t> groups_;
    std::vector<int> cellWidths_;
    std::vector<size_t> pageStarts_;  // index of each page's marker line
};

// Before printing more than 2000 records: "%d 行の印刷またはﾌﾟﾚﾋﾞｭｰを行うための準備には..."
// captioned with the title. True to go on.
constexpr int kQuietPrintRecords = 2000;
bool confirmGridPrint(int recordCount, const std::string& title, MessageService& messages);

// The status texts while a table is prepared (UTF-8): "印刷準備中  " with one black square per
// tenth done, and "ﾚﾃﾞｨ" at the end.
std::string gridPreparingStatus(int tenths);
extern const char* const kGridReadyStatus;

}  // namespace qv
