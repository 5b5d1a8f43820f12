#include "label/definition/paper_table.h"

#include <array>

namespace qv {

namespace {

struct PaperKind {
    const char* displayName;
    PaperSize size;
    int printerCode;
};

// The B sizes are the JIS B series.
constexpr std::array<PaperKind, kPaperCount> kPapers = {{
    {"Ａ４たて", {210, 297}, kPaperCodeA4},
    {"Ａ４よこ", {297, 210}, kPaperCodeA4},
    {"Ｂ５たて", {182, 257}, kPaperCodeB5},
    {"Ｂ５よこ", {257, 182}, kPaperCodeB5},
    {"Ｂ４たて", {257, 364}, kPaperCodeB4},
    {"Ｂ４よこ", {364, 257}, kPaperCodeB4},
    {"Ａ３たて", {297, 420}, kPaperCodeA3},
    {"Ａ３よこ", {420, 297}, kPaperCodeA3},
    {"自由ｻｲｽﾞ", {0, 0}, kPaperCodeCustom},
}};

bool isFixedKind(int paperIndex) {
    return paperIndex >= 0 && paperIndex < kFreePaperIndex;
}

}  // namespace

PaperSize PaperTable::paperSize(int paperIndex) const {
    return isFixedKind(paperIndex) ? kPapers[static_cast<size_t>(paperIndex)].size : free_;
}

const char* PaperTable::displayName(int paperIndex) {
    const int row = isFixedKind(paperIndex) ? paperIndex : kFreePaperIndex;
    return kPapers[static_cast<size_t>(row)].displayName;
}

int PaperTable::indexOfDisplayName(const std::string& name) {
    for (int index = 0; index < kFreePaperIndex; ++index) {
        if (name == kPapers[static_cast<size_t>(index)].displayName) return index;
    }
    return kFreePaperIndex;
}

int PaperTable::printerCode(int paperIndex) {
    return isFixedKind(paperIndex) ? kPapers[static_cast<size_t>(paperIndex)].printerCode
                                   : kPaperCodeCustom;
}

}  // namespace qv
