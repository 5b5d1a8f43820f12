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

std::string breakFieldValue(std::string_view line, bool isComma, const FieldLengths& lengths,
                            int number) {
    DataRecord fields;
    char separator = kComma;
    if (isComma) {
        SplitCommaLine(line, fields, separator);
    } else {
        // The slices themselves: a value holding a comma stays one field.
        splitFixedLength(line, lengths, fields);
    }
    const size_t index = static_cast<size_t>(number - 1);
    return number >= 1 && index < fields.size() ? fields[index] : std::string();
}

}  // namespace qv
