// Record lines: the comma-separated line format that both programs read and write.
//
// One line is one record. Fields are separated by a comma or a TAB (mixed separators are allowed
// within a line). A double quote at any position toggles quoting and is dropped; a backslash
// directly before a double quote makes that quote an ordinary byte. A doubled quote is no escape.
// The last field of a line turns the bytes 0x10 and 0x11 back into a comma and a TAB.
//
// Lines hold Shift-JIS (CP932) bytes. A 0x5C byte that is the second byte of a double-byte
// character is part of that character, never an escape (values such as "表" end in 0x5C).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The ordered field strings of one record; a field beyond the end reads as the empty string.
using DataRecord = std::vector<std::string>;

constexpr char kComma = ',';
constexpr char kTab = '\t';

// Splits one line of a data file as the label program reads it: one trailing newline or carriage
// return is dropped first. `lastSeparator` is the separator most recently met by the splitting; it
// keeps its value when the line has no separator. `fields` is overwritten; its string buffers are
// reused, so a caller splitting many lines should keep one DataRecord.
void SplitCommaLine(std::string_view line, DataRecord& fields, char& lastSeparator);

// The data editor's variant: as SplitCommaLine, but afterwards `lastSeparator` is a comma
// whenever it is neither comma nor TAB (a line without separators joins with commas).
DataRecord SplitRecordLine(std::string_view line, char& lastSeparator);

// Convenience for callers that do not keep the separator.
DataRecord SplitRecordLine(std::string_view line);

// Field `index` of a line (from 0), or the empty string when the record has fewer fields.
std::string RecordField(std::string_view line, size_t index);

// Splits the header line (element 0 of `lines`) at every comma: no quotes, no TAB. n commas give
// n + 1 names, empty ones included. Returns the number of names; an empty `lines` gives none.
size_t SplitHeader(const std::vector<std::string>& lines, std::vector<std::string>& names);

// Where field i of a line lies: the bytes [begin, end) between the separators SplitCommaLine
// splits at, quotes included; a trailing newline or carriage return lies behind the last field.
// There is always at least one field, as SplitCommaLine gives.
struct FieldSpan {
    size_t begin = 0;
    size_t end = 0;
};
std::vector<FieldSpan> RecordFieldSpans(std::string_view line);

// A value as written into a line: a backslash before every double quote, and the whole enclosed in
// double quotes when the value holds a comma.
std::string QuoteField(std::string_view value);

// Replaces field `index` of `line` with `value`, rebuilding the line with the line's own separator.
// A line with fewer fields comes back unchanged.
std::string SetRecordField(std::string_view line, std::string_view value, size_t index);

// Replaces only the bytes of field `index` with `value` (quoted as QuoteField does); every other
// byte of the line stays as it stands: the separators, the other fields with their quotes and
// escapes, a line end. A line with fewer fields comes back unchanged.
std::string SpliceRecordField(std::string_view line, std::string_view value, size_t index);

// Inserts an empty field before field `index`, or removes field `index`; the line is rebuilt with
// the leftmost separator of the line (a comma when it has none). A line with fewer separators than
// `index`, or without field `index`, comes back unchanged.
std::string InsertRecordField(std::string_view line, size_t index);
std::string DeleteRecordField(std::string_view line, size_t index);

// Applies InsertRecordField / DeleteRecordField to every record line (element 1 on; element 0,
// the header, is left alone). Returns the number of lines changed.
size_t InsertFieldInAllRecords(std::vector<std::string>& lines, size_t index);
size_t DeleteFieldInAllRecords(std::vector<std::string>& lines, size_t index);

}  // namespace qv
