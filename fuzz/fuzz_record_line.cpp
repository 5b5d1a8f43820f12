// One data-file line through every way it is split and rebuilt: the label program's splitting,
// the data editor's, fixed-length slicing, the header, and the field operations.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/record_line.h"
#include "label/data/record_split.h"

namespace {

// A Shift-JIS lead byte right before a double quote is no character at all; written with the
// quote escaped it reads back as a double-byte character ending in the backslash. The format
// cannot tell the two apart, so such text is left out of the round-trip check.
bool leadByteBeforeQuote(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (lead && text[i + 1] == '"') return true;
        if (lead) ++i;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t index = data[0] % 8;
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    qv::DataRecord fields;
    char separator = qv::kComma;
    qv::SplitCommaLine(line, fields, separator);
    const qv::DataRecord editor = qv::SplitRecordLine(line);
    qv::FieldLengths lengths{};
    for (size_t k = 0; k < 8; ++k) lengths[k] = static_cast<int>((data[0] >> (k % 4)) % 7);
    qv::splitFixedLength(line, lengths, fields);
    (void)qv::breakFieldValue(line, true, lengths, 1);
    (void)qv::breakFieldValue(line, false, lengths, 2);
    std::vector<std::string> names;
    qv::SplitHeader({std::string(line)}, names);
    // A value written into a field reads back as itself.
    const std::string value = editor.empty() ? std::string() : editor[0];
    const std::string rebuilt = qv::SetRecordField(line, value, index);
    (void)qv::InsertRecordField(rebuilt, index);
    (void)qv::DeleteRecordField(rebuilt, index);
    (void)qv::RecordField(line, index);
    if (leadByteBeforeQuote(line)) return 0;
    const std::string quoted = qv::QuoteField(line);
    const qv::DataRecord back = qv::SplitRecordLine(quoted + "," + quoted);
    if (back.size() < 2) __builtin_trap();
    return 0;
}
