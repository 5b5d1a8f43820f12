// Splitting a data file line into its fields: comma-separated lines by the shared record-line
// rules, fixed-length lines by the field lengths of the definition.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/record_line.h"
#include "common/text_encoding.h"
#include "label/definition/label_definition.h"

namespace qv {

using FieldLengths = std::array<int, kMaxFields>;

// Field k is the byte slice that starts at the sum of the lengths before it and is as long as
// length k, for k up to the first length below 1. A slice beyond the line's end is shortened or
// empty. Lengths count bytes, so a slice may cut a double-byte character in two; the line end
// stays in the line, so a field that reaches it holds the newline.
void splitFixedLength(std::string_view line, const FieldLengths& lengths, DataRecord& fields);

// The same for a UTF-8 line: the lengths count its UTF-8 bytes, and a slice that would end
// inside a character ends before it (the character begins the next field); each field comes
// out as the core holds text (utf8ToCore).
void splitFixedLengthUtf8(std::string_view line, const FieldLengths& lengths, DataRecord& fields);

// Field `number` (from 1) of a line, as the page break by field compares it: the comma-separated
// field, or the fixed-length slice. A fixed-length line of a UTF-8 file is sliced as UTF-8.
std::string breakFieldValue(std::string_view line, bool isComma, const FieldLengths& lengths,
                            int number, TextEncoding encoding = TextEncoding::ShiftJis);

}  // namespace qv
