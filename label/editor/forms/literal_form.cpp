#include "label/editor/forms/literal_form.h"

#include <algorithm>

#include "common/message_service.h"
#include "label/definition/definition_bits.h"
#include "label/definition/literal_entry.h"

namespace qv {

namespace {

const char* const kBadNumber = "入力された数値に誤りがあります!";
const char* const kTableFull =
    "リテラルは30個までしか配置できません。どれかを削除してから追加してください。";

constexpr int kMinPointSize = 1;
constexpr int kMaxPointSize = 64;

bool within(std::optional<int> value, int high) {
    return value && *value >= 0 && *value <= high;
}

}  // namespace

LiteralForm::LiteralForm(LabelDefinition& definition, MessageService& messages)
    : definition_(definition), messages_(messages) {
    rebuildList();
}

void LiteralForm::rebuildList() {
    listTexts_.clear();
    listSlots_.clear();
    for (int slot = 0; slot < kMaxLiterals; ++slot) {
        const LiteralPlacement& literal = definition_.literals[static_cast<size_t>(slot)];
        if (!isUsed(literal)) continue;
        listTexts_.push_back(parseLiteralEntry(literal.entry).text);
        listSlots_.push_back(slot);
    }
    selectedRow_ = -1;
}

int LiteralForm::selectedSlot() const {
    return selectedRow_ < 0 ? -1 : listSlots_[static_cast<size_t>(selectedRow_)];
}

void LiteralForm::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(listSlots_.size())) {
        selectedRow_ = -1;
        return;
    }
    selectedRow_ = row;
    const LiteralPlacement& literal = definition_.literals[static_cast<size_t>(selectedSlot())];
    const LiteralText parsed = parseLiteralEntry(literal.entry);
    text_ = parsed.text;
    font_.face = literalFaceName(parsed);
    font_.pointSize = literal.pointSize;
    const TextStyle style = textStyleOf(literal);
    font_.bold = style.bold;
    font_.italic = style.italic;
    font_.underline = style.underline;
    colourIndex_ = parsed.colourIndex;
    xMm_ = literal.xMm;
    yMm_ = literal.yMm;
}

void LiteralForm::pickPosition(int xMm, int yMm) {
    xMm_ = xMm;
    yMm_ = yMm;
}

int LiteralForm::rowOfSlot(int slot) const {
    const auto found = std::find(listSlots_.begin(), listSlots_.end(), slot);
    return found == listSlots_.end() ? -1 : static_cast<int>(found - listSlots_.begin());
}

bool LiteralForm::followMove(int slot) {
    if (slot < 0 || slot != selectedSlot()) return false;
    const LiteralPlacement& moved = definition_.literals[static_cast<size_t>(slot)];
    pickPosition(moved.xMm, moved.yMm);
    return true;
}

void LiteralForm::chooseColour(int index) {
    if (index >= 0 && index < kColourCount) colourIndex_ = index;
}

bool LiteralForm::chooseMacro(const std::string& code) {
    text_ = code;
    for (size_t row = 0; row < listTexts_.size(); ++row) {
        if (listTexts_[row] != code) continue;
        selectRow(static_cast<int>(row));
        return true;
    }
    return false;
}

bool LiteralForm::positionValid() const {
    return within(yMm_, definition_.sheet.labelHeightMm) &&
           within(xMm_, definition_.sheet.labelWidthMm);
}

// The first slot without a literal; -1 when all of them hold one.
int LiteralForm::freeSlot() const {
    for (int slot = 0; slot < kMaxLiterals; ++slot) {
        if (!isUsed(definition_.literals[static_cast<size_t>(slot)])) return slot;
    }
    return -1;
}

void LiteralForm::writeSlot(int slot) {
    LiteralPlacement& literal = definition_.literals[static_cast<size_t>(slot)];
    literal.entry = makeLiteralEntry(LiteralText{text_, font_.face, colourIndex_});
    literal.pointSize = literalPointSize(font_.pointSize);
    setTextStyle(literal, {font_.bold, font_.italic, font_.underline});
    literal.xMm = *xMm_;
    literal.yMm = *yMm_;
    changed_ = true;
}

bool LiteralForm::add() {
    if (font_.pointSize < kMinPointSize || font_.pointSize > kMaxPointSize || !positionValid()) {
        messages_.exclamation(kBadNumber);
        return false;
    }
    const int slot = freeSlot();
    if (slot < 0) {
        messages_.exclamation(kTableFull);
        return false;
    }
    writeSlot(slot);
    xMm_.reset();
    yMm_.reset();
    text_.clear();
    rebuildList();
    return true;
}

bool LiteralForm::modify() {
    const int slot = selectedSlot();
    if (slot < 0) return false;
    if (!positionValid()) {
        messages_.exclamation(kBadNumber);
        return false;
    }
    writeSlot(slot);
    const int row = selectedRow_;
    rebuildList();
    selectedRow_ = row;  // the rewritten literal stays selected
    return true;
}

bool LiteralForm::remove() {
    const int slot = selectedSlot();
    if (slot < 0) return false;
    auto& literals = definition_.literals;
    for (int later = slot; later + 1 < kMaxLiterals; ++later) {
        literals[static_cast<size_t>(later)] = literals[static_cast<size_t>(later) + 1];
    }
    literals[kMaxLiterals - 1] = LiteralPlacement{};
    changed_ = true;
    rebuildList();
    return true;
}

}  // namespace qv
