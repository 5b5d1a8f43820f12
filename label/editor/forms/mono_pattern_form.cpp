#include "label/editor/forms/mono_pattern_form.h"

#include <algorithm>

#include "common/message_service.h"
#include "common/record_line.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/barcode_rules.h"
#include "label/barcode/field_barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

const char* const kEmptyInput = "入力されていないコードがあります　！";
const char* const kNoRecord = "印刷するレコードを選択して下さい。";

// More labels than any paper holds: a grid read from a damaged file is cut here rather than
// filling memory with copies of the record.
constexpr long long kMaxLabelsOnPage = 100000;

std::string withoutTrailingLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return text;
}

bool isInputMarker(const std::string& item) {
    return item == kInputMarker;
}

}  // namespace

PreviewFieldBox previewFieldBox(const LogicalRect& box) {
    return {box.left / kTenthsPerMm + 1, 1 - box.top / kTenthsPerMm,
            (box.right - box.left) / kTenthsPerMm - 1, (box.top - box.bottom) / kTenthsPerMm - 1};
}

MonoPatternFocus focusAfterEnter(MonoPatternFocus from, int inputCount) {
    const bool shown2 = inputCount >= 2;
    const bool shown3 = inputCount >= 3;
    switch (from) {
        case MonoPatternFocus::Input1:
            if (shown2) return MonoPatternFocus::Input2;
            if (shown3) return MonoPatternFocus::Input3;
            return MonoPatternFocus::Copies;
        case MonoPatternFocus::Input2:
            return shown3 ? MonoPatternFocus::Input3 : MonoPatternFocus::Copies;
        case MonoPatternFocus::Input3:
        case MonoPatternFocus::Copies:
        case MonoPatternFocus::Other:
            break;
    }
    return MonoPatternFocus::Copies;
}

MonoPatternForm::MonoPatternForm(const LabelDefinition& definition, const CszContent& csz,
                                 MessageService& messages)
    : definition_(definition), messages_(messages), records_(csz.lines) {
    SplitHeader({csz.nameLine}, names_);
    if (!names_.empty()) names_.back() = withoutTrailingLineEnd(names_.back());
    record_.nameLine = csz.nameLine;

    const DataRecord items = SplitRecordLine(csz.templateLine);
    for (size_t at = 0; at < items.size() && inputs_.size() < kMonoPatternInputs; ++at) {
        if (!isInputMarker(items[at])) continue;
        MonoPatternInput input;
        input.label = at < names_.size() ? names_[at] : std::string();
        input.position = at;
        inputs_.push_back(std::move(input));
    }
    if (!inputs_.empty()) {
        // The input fields belong to the first record, which is the one printed.
        record_.text = csz.templateLine;
        record_.index = 0;
    }
}

bool MonoPatternForm::chooseRecord(int index) {
    if (index < 0 || static_cast<size_t>(index) >= records_.size()) return false;
    record_.text = records_[static_cast<size_t>(index)];
    record_.index = index;
    return true;
}

void MonoPatternForm::setInput(int k, const std::string& value) {
    if (k < 1 || k > inputCount()) return;
    inputs_[static_cast<size_t>(k - 1)].value = value;
    lastEdited_ = k;
}

const FieldPlacement* MonoPatternForm::fieldOf(int k) const {
    if (k < 1 || k > inputCount()) return nullptr;
    const size_t position = inputs_[static_cast<size_t>(k - 1)].position;
    if (position >= static_cast<size_t>(kMaxFields)) return nullptr;
    return &definition_.fields[position];
}

bool MonoPatternForm::valueValid(int k, const std::string& value) const {
    const FieldPlacement* field = fieldOf(k);
    if (field == nullptr) return false;
    const BarcodeKind kind = barcodeKindOf(*field);
    const BarcodeRules rules = barcodeRulesOf(definition_, *field);
    PreparedBarcode prepared = PrepareBarcodeValue(kind, value, rules);
    const BarcodeCheck check = ValidateBarcode(kind, prepared.value, rules);
    if (!check.drawn) return false;
    return check.code == 0 || (check.code < 0 && rules.ignoreCheckDigit);
}

std::optional<MonoPatternPreview> MonoPatternForm::preview() const {
    if (lastEdited_ < 1 || lastEdited_ > inputCount()) return std::nullopt;
    const MonoPatternInput& input = inputs_[static_cast<size_t>(lastEdited_ - 1)];
    if (input.value.empty() || !valueValid(lastEdited_, input.value)) return std::nullopt;
    return MonoPatternPreview{static_cast<int>(input.position), input.value};
}

bool MonoPatternForm::openingPreview() {
    if (inputs_.empty()) return false;
    const std::string& value = inputs_.front().value;
    if (value.empty() || !valueValid(1, value)) return false;
    lastEdited_ = 1;
    return true;
}

void MonoPatternForm::drawPreview(DrawSurface& surface, const LogicalRect& box,
                                  const BarcodeTextFont& textFont) const {
    const std::optional<MonoPatternPreview> shown = preview();
    if (!shown) return;
    // The drawing routine places the field by the definition; a copy carries the box instead.
    LabelDefinition boxed = definition_;
    FieldPlacement& field = boxed.fields[static_cast<size_t>(shown->fieldIndex)];
    const PreviewFieldBox place = previewFieldBox(box);
    field.xMm = place.xMm;
    field.yMm = place.yMm;
    field.barWidthMm = place.widthMm;
    field.barHeightMm = place.heightMm;
    drawBarcodeField(surface, boxed, shown->fieldIndex, shown->value, 0, 0, textFont);
}

bool MonoPatternForm::setCopies(int copies) {
    if (copies < kMinCopies || copies > kMaxCopies) return false;
    copies_ = copies;
    return true;
}

std::vector<MonoPatternEditField> MonoPatternForm::editFields() const {
    const DataRecord values = SplitRecordLine(record_.text);
    const size_t count = std::min(values.size(), static_cast<size_t>(kMonoPatternEditFields));
    const std::vector<std::string>& fallback = definition_.dataFile.fieldNames;
    std::vector<MonoPatternEditField> fields;
    for (size_t at = 0; at < count; ++at) {
        std::string name;
        if (at < names_.size()) {
            name = names_[at];
        } else if (at < fallback.size()) {
            name = fallback[at];
        }
        fields.push_back({std::move(name), values[at]});
    }
    return fields;
}

void MonoPatternForm::applyEdit(const std::vector<std::string>& values) {
    const size_t count = std::min(values.size(), static_cast<size_t>(kMonoPatternEditFields));
    std::string text = record_.text;
    for (size_t at = 0; at < count; ++at) text = SetRecordField(text, values[at], at);
    record_.text = std::move(text);
}

std::string MonoPatternForm::recordToPrint() const {
    std::string text = record_.text;
    for (const MonoPatternInput& input : inputs_) {
        text = SetRecordField(text, input.value, input.position);
    }
    return text;
}

std::optional<MonoPatternPrint> MonoPatternForm::startPrinting() {
    if (!recordListMode()) {
        const bool allTyped =
            std::all_of(inputs_.begin(), inputs_.end(),
                        [](const MonoPatternInput& in) { return !in.value.empty(); });
        if (!allTyped) {
            messages_.exclamation(kEmptyInput);
            return std::nullopt;
        }
    } else if (record_.index < 0 || record_.text.empty()) {
        messages_.exclamation(kNoRecord);
        return std::nullopt;
    }
    const long long labels = static_cast<long long>(definition_.sheet.maxColumns) *
                             static_cast<long long>(definition_.sheet.maxRows);
    const auto count = static_cast<size_t>(std::clamp(labels, 0LL, kMaxLabelsOnPage));
    return MonoPatternPrint{std::vector<std::string>(count, recordToPrint()), copies_};
}

}  // namespace qv
