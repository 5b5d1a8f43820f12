#include "editor/model/grid_page_image.h"

#include <algorithm>

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

const char* const kGridReadyStatus = "ﾚﾃﾞｨ";

namespace {

constexpr int kDefaultPrintWidth = 10;
constexpr int kWidestCell = 9999;
const char* const kEndLine = "&/&/END";

bool pairAt(const std::string& text, size_t k) {
    return sjis::isLeadByte(static_cast<unsigned char>(text[k])) && k + 1 < text.size() &&
           sjis::isTrailByte(static_cast<unsigned char>(text[k + 1]));
}

// The line of one column group: the cells of fields [first, last) of `fields`.
std::string groupLine(const DataRecord& fields, const std::vector<int>& widths, size_t first,
                      size_t last) {
    std::string line;
    for (size_t k = first; k < last; ++k) {
        if (k > first) line += ',';
        line += gridCell(widths[k], k < fields.size() ? fields[k] : std::string());
    }
    return line;
}

}  // namespace

int recordsPerPage(const GridMetrics& m) {
    const int rows = m.rowHeight > 0 ? m.printableHeight / m.rowHeight + 1 : 1;
    return std::max(1, rows - 2);
}

std::vector<int> printWidths(CROWSMITHDoc& document) {
    std::vector<int> widths;
    for (size_t k = 0; k < document.headerNames.size(); ++k) {
        if (k >= document.columnWidths.size()) {
            widths.push_back(kDefaultPrintWidth);
            continue;
        }
        if (document.columnWidths[k] <= 0) document.columnWidths[k] = kDefaultPrintWidth;
        widths.push_back(document.columnWidths[k]);
    }
    return widths;
}

int cellWidth(int characters, int charWidth) {
    const long long width = static_cast<long long>(characters) * charWidth + 2;
    return static_cast<int>(std::min<long long>(width, kWidestCell));
}

std::vector<size_t> columnGroups(const std::vector<int>& widths, int charWidth,
                                 int printableWidth) {
    std::vector<size_t> starts{0};
    long long running = 0;
    for (size_t k = 0; k < widths.size(); ++k) {
        const long long cell = static_cast<long long>(charWidth) * widths[k];
        // A field wider than the paper alone keeps its own group rather than an empty one.
        if (running > 0 && running + cell > printableWidth) {
            starts.push_back(k);
            running = 0;
        }
        running += cellWidth(widths[k], charWidth) + 2;
    }
    starts.push_back(widths.size());
    return starts;
}

std::string gridCell(int width, const std::string& value) {
    std::string cell = formatText("%04d", width);
    for (size_t k = 0; k < value.size(); ++k) {
        if (pairAt(value, k)) {
            cell.append(value, k, 2);
            ++k;
            continue;
        }
        const char c = value[k];
        if (c == ',' || c == '\\' || sjis::isLeadByte(static_cast<unsigned char>(c))) cell += '\\';
        cell += c;
    }
    return cell;
}

std::vector<GridCell> splitGridLine(const std::string& line) {
    std::vector<std::string> raw(1);
    for (size_t k = 0; k < line.size(); ++k) {
        if (line[k] == '\\' && k + 1 < line.size()) {
            raw.back() += line[++k];
        } else if (pairAt(line, k)) {
            raw.back().append(line, k, 2);
            ++k;
        } else if (line[k] == ',') {
            raw.emplace_back();
        } else {
            raw.back() += line[k];
        }
    }
    std::vector<GridCell> cells;
    for (const std::string& text : raw) {
        const size_t digits = std::min<size_t>(4, text.size());
        cells.push_back({parseLeadingInt(text.substr(0, digits)), text.substr(digits)});
    }
    return cells;
}

void GridPageImage::compose(const CROWSMITHDoc& document, const std::vector<int>& widths,
                            const GridMetrics& metrics,
                            const std::function<void(int tenths)>& progress) {
    *this = GridPageImage{};
    groups_ = columnGroups(widths, metrics.charWidth, metrics.printableWidth);
    for (int w : widths) cellWidths_.push_back(cellWidth(w, metrics.charWidth));
    for (size_t g = 0; g + 1 < groups_.size(); ++g) {
        titleLines_.push_back(
            groupLine(document.headerNames, cellWidths_, groups_[g], groups_[g + 1]));
    }
    const size_t records = static_cast<size_t>(document.recordCount());
    const size_t perPage = static_cast<size_t>(recordsPerPage(metrics));
    int tenthsDone = 0;
    for (size_t first = 1, block = 1; first <= records; first += perPage, ++block) {
        const size_t last = std::min(records, first + perPage - 1);
        appendBlock(document, first, last, static_cast<int>(block));
        const int tenths = static_cast<int>(last * 10 / records);
        for (; tenthsDone < tenths; ++tenthsDone) {
            if (progress) progress(tenthsDone + 1);
        }
    }
}

void GridPageImage::appendBlock(const CROWSMITHDoc& document, size_t first, size_t last,
                                int block) {
    std::vector<DataRecord> fields;
    for (size_t k = first; k <= last; ++k) fields.push_back(SplitRecordLine(document.lines[k]));
    for (size_t g = 0; g + 1 < groups_.size(); ++g) {
        pageStarts_.push_back(lines_.size());
        lines_.push_back(formatText("@&/&%03d%02d", block, static_cast<int>(g + 1)));
        for (const DataRecord& record : fields) {
            lines_.push_back(groupLine(record, cellWidths_, groups_[g], groups_[g + 1]));
        }
        lines_.push_back(kEndLine);
    }
}

std::optional<GridPage> GridPageImage::page(int page) const {
    if (page < 1 || page > pageCount()) return std::nullopt;
    const size_t groupCount = groups_.size() - 1;
    GridPage out;
    out.block = static_cast<int>(static_cast<size_t>(page - 1) / groupCount) + 1;
    out.group = static_cast<int>(static_cast<size_t>(page - 1) % groupCount) + 1;
    out.titles = splitGridLine(titleLines_[static_cast<size_t>(out.group - 1)]);
    for (size_t k = pageStarts_[static_cast<size_t>(page - 1)] + 1;
         k < lines_.size() && lines_[k] != kEndLine; ++k) {
        out.rows.push_back(splitGridLine(lines_[k]));
    }
    return out;
}

bool confirmGridPrint(int recordCount, const std::string& title, MessageService& messages) {
    if (recordCount <= kQuietPrintRecords) return true;
    return messages.askYesNo(
        formatText(
            "%d 行の印刷またはﾌﾟﾚﾋﾞｭｰを行うための準備には\n少し時間が掛かりますがよろしいですか？",
            recordCount),
        MessageAnswer::Yes, title);
}

std::string gridPreparingStatus(int tenths) {
    std::string text = "印刷準備中  ";
    for (int k = 0; k < tenths; ++k) text += "■";
    return text;
}

}  // namespace qv
