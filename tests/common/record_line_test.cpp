#include "common/record_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace qv {
namespace {

// CP932 bytes used below. 表 and ソ end in 0x5C, the byte of a backslash.
const std::string kHyo = "\x95\x5c";  // 表
const std::string kSo = "\x83\x5c";   // ソ
const std::string kTorishimari =
    std::string("\x8e\xe6\x92\xf7\x96\xf0,\x91\xe3") + kHyo;  // 取締役,代表
const std::string kHiddenComma = "\x10";  // a writer's stand-in for a comma in the last field
const std::string kHiddenTab = "\x11";

struct SplitCase {
    const char* why;
    std::string line;
    DataRecord fields;
};

DataRecord Split(std::string_view line) {
    DataRecord fields;
    char separator = '\0';
    SplitCommaLine(line, fields, separator);
    return fields;
}

TEST(SplitCommaLine, NastyLines) {
    const SplitCase cases[] = {
        {"an empty line is one empty field", "", {""}},
        {"a lone newline is dropped", "\n", {""}},
        {"one trailing CR is dropped", "a\r", {"a"}},
        {"only one byte is dropped from CR LF", "a\r\n", {"a\r"}},
        {"only one of two newlines is dropped", "a\n\n", {"a\n"}},
        {"doubled comma gives an empty field", "a,,b", {"a", "", "b"}},
        {"leading comma", ",a", {"", "a"}},
        {"trailing comma", "a,", {"a", ""}},
        {"trailing comma before the newline", "a,\n", {"a", ""}},
        {"two commas, three fields", ",,", {"", "", ""}},
        {"trailing TAB", "a\t", {"a", ""}},
        {"TAB line", "a\tb\tc", {"a", "b", "c"}},
        {"leading and doubled TABs", "\t\tb", {"", "", "b"}},
        {"comma then TAB are two separators", "a,\tb", {"a", "", "b"}},
        {"TAB then comma are two separators", "a\t,b", {"a", "", "b"}},
        {"quoted comma", "\"x,y\",z", {"x,y", "z"}},
        {"quoted TAB", "\"a\tb\"", {"a\tb"}},
        {"a quote mid-field toggles too", "a\"b,c\"d", {"ab,cd"}},
        {"empty quotes", "\"\"", {""}},
        {"doubled quote in quotes reopens quoting", "\"a,b\"\"c,d\"", {"a,bc,d"}},
        {"escaped quote outside quotes", "a\\\"b", {"a\"b"}},
        {"escaped quote inside quotes", "\"a\\\"b,c\"", {"a\"b,c"}},
        {"escaped quote at the start", "\\\"", {"\""}},
        {"only the backslash right before the quote goes", "a\\\\\"b", {"a\\\"b"}},
        {"a backslash before anything else stays", "a\\b", {"a\\b"}},
        {"unclosed quote keeps its text", "\"x,y", {"x,y"}},
        {"comma inside an unclosed quote at the end", "\"x,", {"x,"}},
        {"0x10/0x11 restored in the last field only",
         "a" + kHiddenComma + "b,c" + kHiddenComma + "d" + kHiddenTab + "e",
         {"a" + kHiddenComma + "b", "c,d\te"}},
        {"0x10 alone is a comma", "\x10", {","}},
        {"an empty last field leaves 0x10 before it", "\x10,", {"\x10", ""}},
        {"quoted last field is restored too", "\"a\x10\"", {"a,"}},
        {"表 before a quote is no escape", "\"" + kTorishimari + "\"", {kTorishimari}},
        {"ソ before a quote outside quotes", kSo + "\"a,b\"", {kSo + "a,b"}},
        {"a real backslash after 表 escapes", kHyo + "\\\"", {kHyo + "\""}},
        {"0x81 0x81 is one character, then a backslash", "\x81\x81\\\"", {"\x81\x81\""}},
        {"0x81 0x81 0x81 0x5C: the 0x5C is a trail byte",
         "\x81\x81\x81\x5c\"x",
         {"\x81\x81\x81\x5cx"}},
        {"half-width katakana is single-byte", "\xb1\\\"", {"\xb1\""}},
        {"a lone lead byte ends the line", "a,\x95", {"a", "\x95"}},
        {"a comma is no trail byte", "\x95,b", {"\x95", "b"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Split(c.line), c.fields);
    }
}

TEST(SplitCommaLine, KeepsLongFieldsWhole) {
    // An older reader cut fields near 512 bytes; every byte must survive here.
    for (size_t length : {511u, 512u, 513u, 100000u}) {
        const std::string plain(length, 'x');
        const std::string quoted = std::string(length, 'y') + "," + kHyo;
        std::string line = plain;
        line += ",\"";
        line += quoted;
        line += "\",";
        line += plain;
        EXPECT_EQ(Split(line), (DataRecord{plain, quoted, plain}));
    }
}

TEST(SplitCommaLine, ReusedRecordIsOverwritten) {
    DataRecord fields;
    char separator = ',';
    SplitCommaLine("a,b,c,d", fields, separator);
    SplitCommaLine("x", fields, separator);
    EXPECT_EQ(fields, DataRecord{"x"});
}

TEST(SplitRecordLine, LastSeparatorOfBothVariants) {
    struct Case {
        const char* why;
        const char* line;
        char before, comma_line, record_line;
    };
    const Case cases[] = {
        {"no separator keeps the old value", "abc", '\t', '\t', '\t'},
        {"no separator, no old value: the editor uses a comma", "abc", '\0', '\0', ','},
        {"comma line", "a,b", '\t', ',', ','},
        {"TAB line", "a\tb", ',', '\t', '\t'},
        {"the last separator met wins", "a,\tb", ',', '\t', '\t'},
        {"a quoted comma is no separator", "\"a,b\"", '\0', '\0', ','},
        {"leading and doubled separators count as met", "\t\ta", '\0', '\t', '\t'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        DataRecord fields;
        char separator = c.before;
        SplitCommaLine(c.line, fields, separator);
        EXPECT_EQ(separator, c.comma_line);
        separator = c.before;
        SplitRecordLine(c.line, separator);
        EXPECT_EQ(separator, c.record_line);
    }
}

TEST(RecordField, PicksOrEmpty) {
    EXPECT_EQ(RecordField("a,\"x,y\",c", 1), "x,y");
    EXPECT_EQ(RecordField("a,b,c", 3), "");
}

TEST(SplitHeader, CommasOnly) {
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(SplitHeader({}, names), 0u);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(SplitHeader({""}, names), 1u);
    EXPECT_EQ(names, std::vector<std::string>{""});
    EXPECT_EQ(SplitHeader({",a,", "x,y,z,w"}, names), 3u);  // record lines are not read
    EXPECT_EQ(names, (std::vector<std::string>{"", "a", ""}));
    EXPECT_EQ(SplitHeader({"\"a,b\"\tc"}, names), 2u);  // quotes and TABs are ordinary bytes
    EXPECT_EQ(names, (std::vector<std::string>{"\"a", "b\"\tc"}));
}

TEST(QuoteField, EscapesAndEncloses) {
    EXPECT_EQ(QuoteField(""), "");
    // A TAB splits a line as a comma does, so it encloses too: the value reads back whole.
    EXPECT_EQ(QuoteField("a\tb"), "\"a\tb\"");
    EXPECT_EQ(SplitRecordLine(QuoteField("a\tb") + ",c"), (DataRecord{"a\tb", "c"}));
    EXPECT_EQ(QuoteField("a,b"), "\"a,b\"");
    EXPECT_EQ(QuoteField("a\"b"), "a\\\"b");
    EXPECT_EQ(QuoteField("\"a,b\""), "\"\\\"a,b\\\"\"");
}

TEST(SetRecordField, RebuildsWithTheLinesSeparator) {
    EXPECT_EQ(SetRecordField("a,b,c", "X", 1), "a,X,c");
    EXPECT_EQ(SetRecordField("a\tb\tc", "X", 2), "a\tb\tX");
    EXPECT_EQ(SetRecordField("a,\tb", "X", 0), "X\t\tb");         // last separator met is TAB
    EXPECT_EQ(SetRecordField("\"x,y\",b", "Z", 1), "\"x,y\",Z");  // other fields requoted
    EXPECT_EQ(SetRecordField("a\\\"b,c", "X", 1), "a\\\"b,X");
    EXPECT_EQ(SetRecordField("\"a\"\"b\",c", "X", 1), "ab,X");  // doubled quote was no escape
    EXPECT_EQ(SetRecordField("\ta", "X", 1), "\tX");            // a TAB line keeps its TAB
    EXPECT_EQ(SetRecordField("a,b\n", "X", 2), "a,b\n");  // no field 2: unchanged, newline too
}

TEST(SetRecordField, ValuesReadBackEqual) {
    const std::string values[] = {"a,b",       "say \"hi\"", "\"a,b\"",
                                  "x,\"y\",z", kTorishimari, kHyo + "\""};
    for (const char* line : {"p,q,r", "p\tq\tr"}) {
        for (const std::string& value : values) {
            SCOPED_TRACE(std::string(line) + " <- " + value);
            char separator = '\0';
            const DataRecord fields = SplitRecordLine(SetRecordField(line, value, 1), separator);
            EXPECT_EQ(fields, (DataRecord{"p", value, "r"}));
            EXPECT_EQ(separator, line[1]);
        }
    }
}

TEST(SpliceRecordField, ChangesOnlyThatFieldsBytes) {
    const struct {
        std::string line;
        const char* value;
        size_t index;
        std::string spliced;
        const char* why;
    } cases[] = {
        {"a,b\tc", "X", 1, "a,X\tc", "mixed separators stay"},
        {"\"p\",*q*,\"r\"", "q", 1, "\"p\",q,\"r\"", "neighbours keep their quotes"},
        {"a,\"*x,y*\"\tb", "x,y", 1, "a,\"x,y\"\tb", "a quoted comma is inside the field"},
        {"a\\\"b,c", "X", 1, "a\\\"b,X", "an escaped quote toggles nothing"},
        {kHyo + "\"x,y\",z", "Z", 1, kHyo + "\"x,y\",Z", "表's 0x5C escapes no quote"},
        {"a,b\r", "X", 1, "a,X\r", "the line end stays"},
        {"a,,c", "X", 1, "a,X,c", "an empty field"},
        {"a,", "X", 1, "a,X", "the empty last field"},
        {"a,b", "X", 2, "a,b", "no such field: unchanged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SpliceRecordField(c.line, c.value, c.index), c.spliced);
    }
}

TEST(InsertDeleteRecordField, Rules) {
    EXPECT_EQ(InsertRecordField("a,b,c", 0), ",a,b,c");
    EXPECT_EQ(InsertRecordField("a,b,c", 2), "a,b,,c");
    EXPECT_EQ(InsertRecordField("a,b,c", 3), "a,b,c");  // 2 separators < 3
    EXPECT_EQ(InsertRecordField("a", 1), "a");          // fewer separators than the index
    EXPECT_EQ(InsertRecordField("", 0), ",");
    EXPECT_EQ(InsertRecordField("a\tb,c", 1), "a\t\tb\tc");  // leftmost separator joins
    EXPECT_EQ(InsertRecordField("\"x,y\"", 1), "\"x,y\"");   // quoted comma counts, no field 1
    // A quoted TAB is still the leftmost separator; the value keeps its quotes, so it stays one
    // field when read back.
    EXPECT_EQ(InsertRecordField("\"x\ty\",b", 1), "\"x\ty\"\t\tb");
    EXPECT_EQ(DeleteRecordField("a,b,c", 0), "b,c");
    EXPECT_EQ(DeleteRecordField("a\tb\tc", 1), "a\tc");
    EXPECT_EQ(DeleteRecordField("a,b,c", 3), "a,b,c");
    EXPECT_EQ(DeleteRecordField("abc", 0), "");
}

TEST(InsertDeleteRecordField, DeleteUndoesInsert) {
    const std::string lines[] = {"a,b,c", "4901234567894\t" + kHyo + "\t100", "x", "a,,b", ",a"};
    for (const std::string& line : lines) {
        for (size_t index = 0; index < Split(line).size(); ++index) {
            SCOPED_TRACE(line + " @" + std::to_string(index));
            EXPECT_EQ(DeleteRecordField(InsertRecordField(line, index), index), line);
        }
    }
}

TEST(FieldInAllRecords, SkipsHeaderAndCountsChanges) {
    std::vector<std::string> lines{"h1,h2", "a,b", "c", "d,e,f"};
    EXPECT_EQ(InsertFieldInAllRecords(lines, 1), 2u);
    EXPECT_EQ(lines, (std::vector<std::string>{"h1,h2", "a,,b", "c", "d,,e,f"}));
    EXPECT_EQ(DeleteFieldInAllRecords(lines, 2), 2u);
    EXPECT_EQ(lines, (std::vector<std::string>{"h1,h2", "a,", "c", "d,,f"}));
}

// Random bytes, weighted towards the ones the rules care about, through every function.
TEST(RecordLineRobustness, RandomLines) {
    const char alphabet[] = {',', '\t', '"', '\\', '\n', '\r', '\x10', '\x11', '\x95', '\x81', 'a'};
    std::mt19937 random(20240607);
    std::vector<std::string> lines;
    DataRecord reused;
    for (int n = 0; n < 4000; ++n) {
        std::string line(random() % 48, '\0');
        for (char& byte : line) {
            byte = random() % 3 ? alphabet[random() % sizeof alphabet] : char(random() % 256);
        }
        char separator = '\0';
        SplitCommaLine(line, reused, separator);
        const DataRecord fresh = SplitRecordLine(line, separator);
        ASSERT_EQ(reused, fresh) << "reused buffers must not leak into the next line";
        ASSERT_GE(fresh.size(), 1u);
        ASSERT_TRUE(separator == ',' || separator == '\t');
        size_t bytes = 0;
        for (const std::string& field : fresh) bytes += field.size();
        ASSERT_LE(bytes, line.size()) << "no byte may be invented";
        EXPECT_EQ(RecordField(line, fresh.size() - 1), fresh.back());
        EXPECT_EQ(SetRecordField(line, "v", fresh.size()), line);
        EXPECT_EQ(SpliceRecordField(line, "v", fresh.size()), line);
        DataRecord spliced = fresh;
        spliced[n % fresh.size()] = "v";
        EXPECT_EQ(SplitRecordLine(SpliceRecordField(line, "v", n % fresh.size())), spliced);
        InsertRecordField(line, n % 4);
        DeleteRecordField(line, n % 4);
        lines.push_back(line);
    }
    std::vector<std::string> names;
    EXPECT_EQ(SplitHeader(lines, names),
              size_t(std::count(lines[0].begin(), lines[0].end(), ',')) + 1);
    EXPECT_LT(InsertFieldInAllRecords(lines, 1), lines.size());
    EXPECT_LT(DeleteFieldInAllRecords(lines, 0), lines.size());
}

}  // namespace
}  // namespace qv
