#include "label/editor/forms/ruled_line_form.h"

#include <cstdio>

#include "common/message_service.h"
#include "label/definition/definition_bits.h"

namespace qv {

namespace {

const char* const kTableFull =
    "罫線は30本までしか設定できません。どれかを削除してから追加してください。";

bool within(std::optional<int> value, int high) {
    return value && *value >= 0 && *value <= high;
}

}  // namespace

RuledLineForm::RuledLineForm(LabelDefinition& definition, MessageService& messages)
    : definition_(definition), messages_(messages) {}

std::vector<std::string> RuledLineForm::listLines() const {
    std::vector<std::string> lines;
    char buffer[96];
    for (int slot = 0; slot < kMaxRuledLines; ++slot) {
        const RuledLine& line = definition_.ruledLines[static_cast<size_t>(slot)];
        if (isUsed(line)) {
            std::snprintf(buffer, sizeof buffer, "%d...(%dmm×%dmm→%dmm×%dmm)", slot,
                          static_cast<int>(line.startX), static_cast<int>(-line.startY),
                          static_cast<int>(line.endX), static_cast<int>(-line.endY));
        } else {
            std::snprintf(buffer, sizeof buffer, "%d...", slot);
        }
        lines.emplace_back(buffer);
    }
    return lines;
}

void RuledLineForm::setStartX(std::optional<int> mm) {
    values_.startX = mm;
    edited_ = true;
}
void RuledLineForm::setStartY(std::optional<int> mm) {
    values_.startY = mm;
    edited_ = true;
}
void RuledLineForm::setEndX(std::optional<int> mm) {
    values_.endX = mm;
    edited_ = true;
}
void RuledLineForm::setEndY(std::optional<int> mm) {
    values_.endY = mm;
    edited_ = true;
}

void RuledLineForm::selectSlot(int slot) {
    if (slot < 0 || slot >= kMaxRuledLines) {
        selectedSlot_ = -1;
        return;
    }
    selectedSlot_ = slot;
    edited_ = false;
    const RuledLine& line = definition_.ruledLines[static_cast<size_t>(slot)];
    if (!isUsed(line)) {
        values_ = RuledLineValues{};
        return;
    }
    values_ = RuledLineValues{line.startX, -line.startY, line.endX, -line.endY};
}

bool RuledLineForm::valuesValid() const {
    const SheetGeometry& sheet = definition_.sheet;
    return within(values_.startX, sheet.labelWidthMm) &&
           within(values_.startY, sheet.labelHeightMm) &&
           within(values_.endX, sheet.labelWidthMm) && within(values_.endY, sheet.labelHeightMm);
}

void RuledLineForm::writeSlot(int slot) {
    RuledLine& line = definition_.ruledLines[static_cast<size_t>(slot)];
    line.startX = *values_.startX;
    line.startY = -*values_.startY;
    line.endX = *values_.endX;
    line.endY = -*values_.endY;
    changed_ = true;
}

bool RuledLineForm::add() {
    if (!valuesValid()) return false;
    for (int slot = 0; slot < kMaxRuledLines; ++slot) {
        if (isUsed(definition_.ruledLines[static_cast<size_t>(slot)])) continue;
        writeSlot(slot);
        return true;
    }
    messages_.exclamation(kTableFull);
    return false;
}

bool RuledLineForm::modify() {
    if (selectedSlot_ < 0 || !valuesValid()) return false;
    writeSlot(selectedSlot_);
    return true;
}

bool RuledLineForm::remove() {
    if (selectedSlot_ < 0) return false;
    definition_.ruledLines[static_cast<size_t>(selectedSlot_)] = RuledLine{};
    selectedSlot_ = -1;
    changed_ = true;
    return true;
}

}  // namespace qv
