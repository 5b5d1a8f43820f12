// Running the programs and the outside tools (zbarimg, pdfinfo) from the program tests.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "label/definition/label_definition.h"
#include "tests/support/label_grid.h"

namespace qv::test {

// Output of a shell command; fails the test when the command cannot run.
inline std::string run(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    std::array<char, 4096> buffer{};
    size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), read);
    return output;
}

// The non-empty lines of a text.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        if (end > start) out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// The symbols zbarimg finds in an image, sorted.
inline std::vector<std::string> decodeSymbols(const std::string& image) {
    std::vector<std::string> found =
        lines(run("zbarimg --nodbus --raw -q " + image + " 2>/dev/null"));
    std::sort(found.begin(), found.end());
    return found;
}

// Where a4Labels puts the first label.
constexpr int kFirstLabelLeftMm = 10;
constexpr int kFirstLabelTopMm = 20;

// A4 portrait, `columns` x `rows` labels of `widthMm` x `heightMm` from the first label's place.
inline LabelDefinition a4Labels(int widthMm, int heightMm, int columns, int rows) {
    LabelDefinition d = newLabelDefinition();
    d.sheet.paperIndex = 0;
    d.sheet.paperWidthMm = 210;
    d.sheet.paperHeightMm = 297;
    placeLabels(d.sheet, {widthMm, heightMm, kFirstLabelLeftMm, kFirstLabelTopMm, columns, rows});
    return d;
}

// A4 portrait, 2 x 3 labels of 90 x 80 mm from (10, 20), reading data.csv with the fields CODE
// (20) and NAME (10); the fields of the labels are the caller's.
inline LabelDefinition twoByThreeSheet() {
    LabelDefinition d = a4Labels(90, 80, 2, 3);
    d.dataFile.dataFilePath = "data.csv";
    d.dataFile.fieldNames = {"CODE", "NAME"};
    d.dataFile.fieldLengths = {20, 10};
    return d;
}

}  // namespace qv::test
