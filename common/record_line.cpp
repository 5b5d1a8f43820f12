#include "common/record_line.h"

#include <cstddef>
#include <cstring>
#include <utility>

namespace qv {

namespace {

// First byte of a double-byte CP932 character. Every lead byte is also a valid second byte.
bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True when the 0x5C at `index` is a real backslash rather than the second byte of a character
// such as 表 (0x95 0x5C). Pairs start afresh after the last byte that cannot lead a character, so
// an odd run of lead bytes before the 0x5C makes it the second byte of a pair.
bool IsEscapeBackslash(std::string_view line, size_t index) {
    size_t start = index;
    while (start > 0 && IsLeadByte(static_cast<unsigned char>(line[start - 1]))) --start;
    return (index - start) % 2 == 0;
}

// Bytes that end a run of ordinary bytes outside quotes.
struct StopBytes {
    bool table[256] = {};
    StopBytes() {
        table[static_cast<unsigned char>(kComma)] = true;
        table[static_cast<unsigned char>(kTab)] = true;
        table[static_cast<unsigned char>('"')] = true;
    }
};
const StopBytes kStopBytes;

size_t FindStopByte(std::string_view line, size_t from) {
    while (from < line.size() && !kStopBytes.table[static_cast<unsigned char>(line[from])]) ++from;
    return from;
}

size_t FindQuote(std::string_view line, size_t from) {
    const void* hit = std::memchr(line.data() + from, '"', line.size() - from);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - line.data()) : line.size();
}

// Hands out the strings of `fields` in turn, cleared, keeping their buffers from earlier lines.
class FieldSlots {
  public:
    explicit FieldSlots(DataRecord& fields) : fields_(fields) {}
    std::string& Next() {
        if (count_ == fields_.size()) fields_.emplace_back();
        std::string& field = fields_[count_++];
        field.clear();
        return field;
    }
    void Finish() { fields_.resize(count_); }

  private:
    DataRecord& fields_;
    size_t count_ = 0;
};

// A double quote at `index` (> 0): escaped by a backslash it is an ordinary byte and replaces that
// backslash, already stored; otherwise it toggles quoting.
void TakeQuote(std::string_view line, size_t index, std::string& current, bool& inQuotes) {
    if (line[index - 1] == '\\' && IsEscapeBackslash(line, index - 1)) {
        if (!current.empty()) current.pop_back();
        current += '"';
    } else {
        inQuotes = !inQuotes;
    }
}

// Only the last field carries 0x10 and 0x11 for a comma and a TAB that the writer had to hide.
void RestoreHiddenSeparators(std::string& field) {
    for (char& byte : field) {
        if (byte == '\x10') {
            byte = kComma;
        } else if (byte == '\x11') {
            byte = kTab;
        }
    }
}

// A value holding a separator (comma or TAB, both split a line) is enclosed in quotes.
void AppendQuoted(std::string& out, std::string_view value) {
    const bool enclose = value.find_first_of(",\t") != std::string_view::npos;
    if (enclose) out += '"';
    for (size_t quote = value.find('"'); quote != std::string_view::npos; quote = value.find('"')) {
        out.append(value.data(), quote);
        out += "\\\"";
        value.remove_prefix(quote + 1);
    }
    out.append(value.data(), value.size());
    if (enclose) out += '"';
}

std::string JoinFields(const DataRecord& fields, char separator) {
    size_t size = fields.size();
    for (const std::string& field : fields) size += field.size() + 2;
    std::string line;
    line.reserve(size);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += separator;
        AppendQuoted(line, fields[i]);
    }
    return line;
}

char LeftmostSeparator(std::string_view line, size_t& count) {
    char first = kComma;
    count = 0;
    for (char byte : line) {
        if (byte != kComma && byte != kTab) continue;
        if (count++ == 0) first = byte;
    }
    return first;
}

}  // namespace

// Fields are kept whole whatever their length: an older reader cut them at 511 bytes, we keep every
// byte. Runs of ordinary bytes are appended in one go into the reused field buffers.
void SplitCommaLine(std::string_view line, DataRecord& fields, char& lastSeparator) {
    if (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    FieldSlots slots(fields);
    std::string* current = &slots.Next();
    bool inQuotes = false;
    size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        inQuotes = true;
        i = 1;
    }
    while (i < line.size()) {
        const size_t end = inQuotes ? FindQuote(line, i) : FindStopByte(line, i);
        current->append(line.data() + i, end - i);
        if (end == line.size()) break;
        const char c = line[end];
        i = end + 1;
        if (c == '"') {
            TakeQuote(line, end, *current, inQuotes);
        } else {
            // A leading or doubled separator adds an empty field; the current field is always
            // empty then, so closing it and starting the next one adds exactly that. Either way
            // the separator is the one met last, so a line of only leading or doubled TABs is
            // rebuilt with TABs too.
            lastSeparator = c;
            current = &slots.Next();
        }
    }
    // A line ending in a separator ends with the empty field it started. A comma inside an
    // unclosed quote belongs to the current field, which is kept like any other last field.
    RestoreHiddenSeparators(*current);
    slots.Finish();
}

DataRecord SplitRecordLine(std::string_view line, char& lastSeparator) {
    DataRecord fields;
    SplitCommaLine(line, fields, lastSeparator);
    if (lastSeparator != kComma && lastSeparator != kTab) lastSeparator = kComma;
    return fields;
}

DataRecord SplitRecordLine(std::string_view line) {
    char separator = kComma;
    return SplitRecordLine(line, separator);
}

std::string RecordField(std::string_view line, size_t index) {
    const DataRecord fields = SplitRecordLine(line);
    return index < fields.size() ? fields[index] : std::string();
}

size_t SplitHeader(const std::vector<std::string>& lines, std::vector<std::string>& names) {
    names.clear();
    if (lines.empty()) return 0;
    std::string_view header = lines[0];
    for (size_t comma = header.find(kComma); comma != std::string_view::npos;
         comma = header.find(kComma)) {
        names.emplace_back(header.substr(0, comma));
        header.remove_prefix(comma + 1);
    }
    names.emplace_back(header);
    return names.size();
}

// The same walk as SplitCommaLine's: a quote toggles quoting unless a real backslash escapes it,
// and only separators outside quotes end a field.
std::vector<FieldSpan> RecordFieldSpans(std::string_view line) {
    if (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    std::vector<FieldSpan> spans;
    size_t begin = 0;
    bool inQuotes = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (i == 0 || line[i - 1] != '\\' || !IsEscapeBackslash(line, i - 1))
                inQuotes = !inQuotes;
        } else if (!inQuotes && (c == kComma || c == kTab)) {
            spans.push_back({begin, i});
            begin = i + 1;
        }
    }
    spans.push_back({begin, line.size()});
    return spans;
}

std::string QuoteField(std::string_view value) {
    std::string quoted;
    quoted.reserve(value.size() + 2);
    AppendQuoted(quoted, value);
    return quoted;
}

std::string SetRecordField(std::string_view line, std::string_view value, size_t index) {
    char separator = '\0';  // the line's own separator, never one from an earlier line
    DataRecord fields = SplitRecordLine(line, separator);
    if (index >= fields.size()) return std::string(line);
    fields[index] = std::string(value);
    return JoinFields(fields, separator);
}

namespace {

// Where field `index` stands in the line: the bytes from `begin` up to `end`, its quotes and
// escapes included. The same reading as SplitCommaLine: one line end is not part of the line, a
// quote toggles quoting unless an escaping backslash stands before it, and only a separator
// outside quotes ends a field.
bool FindFieldBytes(std::string_view line, size_t index, size_t& begin, size_t& end) {
    if (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    size_t field = 0;
    begin = 0;
    bool inQuotes = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (i == 0 || line[i - 1] != '\\' || !IsEscapeBackslash(line, i - 1)) {
                inQuotes = !inQuotes;
            }
        } else if (!inQuotes && (c == kComma || c == kTab)) {
            if (field == index) {
                end = i;
                return true;
            }
            ++field;
            begin = i + 1;
        }
    }
    end = line.size();
    return field == index;
}

}  // namespace

std::string SpliceRecordField(std::string_view line, std::string_view value, size_t index) {
    size_t begin = 0;
    size_t end = 0;
    if (!FindFieldBytes(line, index, begin, end)) return std::string(line);
    std::string spliced(line.substr(0, begin));
    AppendQuoted(spliced, value);
    spliced.append(line.substr(end));
    return spliced;
}

namespace {

// The common frame of inserting and removing a field: the line comes back unchanged when it has
// no field `index`; otherwise `edit` changes the fields and the line is rebuilt with its leftmost
// separator.
template <typename FieldEdit>
std::string EditRecordField(std::string_view line, size_t index, FieldEdit edit) {
    size_t count = 0;
    const char separator = LeftmostSeparator(line, count);
    if (count < index) return std::string(line);
    DataRecord fields = SplitRecordLine(line);
    if (index >= fields.size()) return std::string(line);
    edit(fields, fields.begin() + static_cast<std::ptrdiff_t>(index));
    return JoinFields(fields, separator);
}

}  // namespace

std::string InsertRecordField(std::string_view line, size_t index) {
    return EditRecordField(line, index, [](DataRecord& fields, DataRecord::iterator at) {
        fields.insert(at, std::string());
    });
}

std::string DeleteRecordField(std::string_view line, size_t index) {
    return EditRecordField(line, index,
                           [](DataRecord& fields, DataRecord::iterator at) { fields.erase(at); });
}

namespace {

template <typename Edit>
size_t EditAllRecords(std::vector<std::string>& lines, Edit edit) {
    size_t changed = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string edited = edit(lines[i]);
        if (edited == lines[i]) continue;
        lines[i] = std::move(edited);
        ++changed;
    }
    return changed;
}

}  // namespace

size_t InsertFieldInAllRecords(std::vector<std::string>& lines, size_t index) {
    return EditAllRecords(lines,
                          [index](const std::string& l) { return InsertRecordField(l, index); });
}

size_t DeleteFieldInAllRecords(std::vector<std::string>& lines, size_t index) {
    return EditAllRecords(lines,
                          [index](const std::string& l) { return DeleteRecordField(l, index); });
}

}  // namespace qv
