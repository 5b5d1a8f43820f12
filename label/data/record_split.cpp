#include "label/data/record_split.h"

#include <algorithm>

namespace qv {

void splitFixedLength(std::string_view line, const FieldLengths& lengths, DataRecord& fields) {
    fields.clear();
    size_t start = 0;
    for (int length : lengths) {
        if (length < 1) break;
        const size_t begin = std::min(start, line.size());
        fields.emplace_back(line.substr(begin, static_cast<size_t>(length)));
        start += static_cast<size_t>(length);
    }
}

namespace {

// `at` moved back to the first byte of the UTF-8 character it lies in.
size_t characterStart(std::string_view line, size_t at) {
    at = std::min(at, line.size());
    while (at > 0 && at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80) {
        --at;
    }
    return at;
}

}  // namespace

void splitFixedLengthUtf8(std::string_view line, const FieldLengths& lengths, DataRecord& fields) {
    fields.clear();
    size_t start = 0;
    for (int length : lengths) {
        if (length < 1) break;
        const size_t begin = characterStart(line, start);
        start += static_cast<size_t>(length);
        const size_t end = characterStart(line, start);
        fields.push_back(utf8ToCore(line.substr(begin, std::max(begin, end) - begin)));
    }
}

std::string breakFieldValue(std::string_view line, bool isComma, const FieldLengths& lengths,
                            int number, TextEncoding encoding) {
    DataRecord fields;
    char separator = kComma;
    if (isComma) {
        SplitCommaLine(line, fields, separator);
    } else {
        // The slices themselves: a value holding a comma stays one field.
        if (encoding == TextEncoding::Utf8) {
            splitFixedLengthUtf8(line, lengths, fields);
        } else {
            splitFixedLength(line, lengths, fields);
        }
    }
    const size_t index = static_cast<size_t>(number - 1);
    return number >= 1 && index < fields.size() ? fields[index] : std::string();
}

}  // namespace qv
