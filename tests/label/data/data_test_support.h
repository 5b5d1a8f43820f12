// Data files for the reader tests.
#pragma once

#include <string>
#include <vector>

#include "label/data/data_file_reader.h"
#include "tests/support/temp_folder.h"

namespace qv::test {

// "＜" and "＞" in Shift-JIS: the default sub-title brackets.
inline const std::string kOpenBracket = "\x81\x83";
inline const std::string kCloseBracket = "\x81\x84";

inline DataReaderSettings readerSettings(int pageBreakField = 0) {
    DataReaderSettings settings;
    settings.pageBreakField = pageBreakField;
    settings.subtitleOpen = kOpenBracket;
    settings.subtitleClose = kCloseBracket;
    return settings;
}

// Lines joined with `lineEnd` after each of them.
inline std::string linesOf(const std::vector<std::string>& lines,
                           const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    return text;
}

inline std::vector<std::string> numberedRecords(int count, const std::string& prefix = "r") {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back(prefix + std::to_string(i) + ",x");
    return lines;
}

}  // namespace qv::test
