#include "label/definition/label_definition.h"

namespace qv {

namespace {

constexpr std::array<uint32_t, kColourCount> kColourTable = {
    0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF,  // 0-4
    0xFF00FF, 0x00FFFF, 0xFFFFFF, 0x800000, 0x008000,  // 5-9
    0x808000, 0x000080, 0x800080, 0x008080, 0x808080,  // 10-14
    0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xFFFBF0, 0xA4A0A0,  // 15-19
};

}  // namespace

LabelDefinition newLabelDefinition(int lastBarcodeKind) {
    LabelDefinition definition;
    definition.lastBarcodeKind = lastBarcodeKind;
    return definition;
}

bool isListEntry(const std::string& entry) {
    return !entry.empty() && entry != " ";
}

int fieldCount(const DataFileSpec& spec) {
    int count = 0;
    while (count < static_cast<int>(spec.fieldNames.size()) && count < kMaxFields &&
           isListEntry(spec.fieldNames[static_cast<size_t>(count)])) {
        ++count;
    }
    return count;
}

uint32_t colourOfIndex(int index) {
    if (index < 0 || index >= kColourCount) return 0x000000;
    return kColourTable[static_cast<size_t>(index)];
}

}  // namespace qv
