#include "editor/model/clipboard_text.h"

#include "common/record_line.h"

namespace qv {

namespace {

bool endsLine(char c) {
    return c == '\n' || c == '\xFF';
}

// A cell as a spreadsheet quotes it ("a""b" for a"b) loses its quotes.
std::string unquotedCell(std::string_view cell) {
    if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') return std::string(cell);
    std::string value;
    for (size_t i = 1; i + 1 < cell.size(); ++i) {
        value += cell[i];
        if (cell[i] == '"' && cell[i + 1] == '"' && i + 2 < cell.size()) ++i;
    }
    return value;
}

}  // namespace

std::string clipboardTextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

size_t separatorsInFirstLine(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if (c == '\0' || endsLine(c)) break;
        if (c == ',' || c == '\t') ++count;
    }
    return count;
}

std::string commaLineOfCells(std::string_view line) {
    std::string joined;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        const std::string_view cell = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        joined += QuoteField(unquotedCell(cell));
        if (tab == std::string_view::npos) break;
        joined += ',';
        start = tab + 1;
    }
    return joined;
}

std::vector<std::string> pastedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    auto finish = [&] {
        if (!line.empty()) {
            lines.push_back(line.find('\t') == std::string::npos ? line : commaLineOfCells(line));
        }
        line.clear();
    };
    for (char c : text) {
        if (c == '\0') break;
        if (c == '\r') continue;
        if (endsLine(c)) {
            finish();
            continue;
        }
        line += c;
    }
    finish();
    return lines;
}

}  // namespace qv
