// Literal text macros. Expected texts are the documented examples for 10 October 1997, 14:05:09,
// a Friday; weekdays of other dates were looked up with date(1).
#include "label/definition/text_macros.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>
#include <utility>

#include "common/profile_file.h"
#include "common/sjis_text.h"
#include "label/print/print_settings.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

const MacroTimestamp kExample{1997, 10, 10, 14, 5, 9, 5};

std::string sj(const char* utf8) {
    return sjis::fromUtf8(utf8);
}

DateSettings settings(int separator, const char* eraUtf8 = "平成", int offset = 88) {
    DateSettings date;
    date.separator = separator;
    date.eraName = sj(eraUtf8);
    date.eraOffset = offset;
    return date;
}

struct TextRow {
    const char* text;
    const char* expectedUtf8;
    const char* reason;
};

TEST(ExpandMacro, EveryCodeAtTheExampleTime) {
    const TextRow rows[] = {
        {"\\d1", "97.10.10", "two-digit year, default separator '.'"},
        {"\\d2", "1997.10.10", "four-digit year"},
        {"\\d3", "10.10", "month and day"},
        {"\\d4", "平成9年10月10日", "era year 97 - 88, not padded"},
        {"\\d5", "10月10日", "Japanese month and day"},
        {"\\t1", "14:05:09", "seconds included, minutes padded"},
        {"\\t2", "14:05", "hours and minutes"},
        {"\\t3", "14時05分", "Japanese time"},
        {"\\dt", "97.10.10 14:05", "short date, a blank, the time"},
        {"\\w1", "Fri", "C-locale abbreviation"},
        {"\\w2", "Friday", "C-locale full name"},
        {"\\w3", "金曜日", "weekday 5"},
        // An empty expansion: not a macro.
        {"\\d9", "", "no such date code"},
        {"\\x1", "", "no such kind"},
        {"\\t", "", "two bytes"},
        {"\\w1x", "", "four bytes"},
        {"/d1", "", "no backslash"},
        {"\\D1", "", "codes are case-sensitive"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(std::string(row.text) + ": " + row.reason);
        EXPECT_EQ(ExpandMacro(row.text, kExample, DateSettings{}), sj(row.expectedUtf8));
    }
}

struct SettingsRow {
    DateSettings date;
    MacroTimestamp time;
    const char* code;
    const char* expectedUtf8;
    const char* reason;
};

TEST(ExpandMacro, FollowsTheDateSettingsAndPadsNumbers) {
    const MacroTimestamp dec2026{2026, 12, 8, 0, 0, 0, 2};
    const MacroTimestamp jan2000{2000, 1, 1, 0, 0, 0, 6};
    const MacroTimestamp jan1989{1989, 1, 7, 0, 0, 0, 6};
    const MacroTimestamp mar2005{2005, 3, 4, 9, 7, 2, 5};
    const SettingsRow rows[] = {
        {settings(47), kExample, "\\d1", "97/10/10", "separator 47 is '/'"},
        {settings(47), kExample, "\\dt", "97/10/10 14:05", "the separator reaches \\dt"},
        {settings('%'), kExample, "\\d2", "1997%10%10", "'%' is a plain byte, no directive"},
        {settings(0), kExample, "\\d3", "1010", "0: no separator"},
        {settings(300), kExample, "\\d1", "971010", "not a byte: no separator"},
        {settings(46, "平成", 87), kExample, "\\d4", "平成10年10月10日", "offset 87"},
        {settings(46, "令和", 118), dec2026, "\\d4", "令和8年12月08日", "new era, padded day"},
        {settings(46), jan2000, "\\d4", "平成12年01月01日", "whole-year formula past 1999"},
        {settings(46), jan1989, "\\d4", "平成1年01月07日", "the whole first year counts"},
        {settings(46), {1900, 6, 15, 0, 0, 0, 5}, "\\d4", "平成-88年06月15日", "signed era year"},
        {settings(46), mar2005, "\\d1", "05.03.04", "one-digit parts padded"},
        {settings(46), mar2005, "\\t1", "09:07:02", "one-digit time parts padded"},
        {settings(46), dec2026, "\\w3", "火曜日", "weekday 2"},
        {settings(46), {2024, 1, 7, 0, 0, 0, 0}, "\\w1", "Sun", "weekday 0"},
    };
    for (const SettingsRow& row : rows) {
        SCOPED_TRACE(std::string(row.code) + ": " + row.reason);
        EXPECT_EQ(ExpandMacro(row.code, row.time, row.date), sj(row.expectedUtf8));
    }
}

TEST(ExpandMacro, WeekdayNamesIgnoreTheUserLocale) {
    const char* const locales[] = {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", ""};
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) != nullptr) break;
    }
    const std::string shortName = ExpandMacro("\\w1", kExample, DateSettings{});
    const std::string longName = ExpandMacro("\\w2", kExample, DateSettings{});
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(shortName, "Fri");
    EXPECT_EQ(longName, "Friday");
}

TEST(ExpandLiteralText, ReplacesOnlyALeadingCode) {
    const TextRow rows[] = {
        {"\\d1 and more", "97.10.10", "bytes after a date code are dropped"},
        {"\\dtabc", "97.10.10 14:05", "the same for \\dt"},
        {"\\w1", "Fri", "a weekday code alone"},
        {"\\w1x", "\\w1x", "a weekday code must be the whole text"},
        {"\\d9", "\\d9", "unknown date code stays"},
        {"\\x12", "\\x12", "unknown kind stays"},
        {"\\d", "\\d", "too short"},
        {"Date \\d1", "Date \\d1", "a code later in the text is not expanded"},
        {"", "", "empty text"},
        {"平成", "平成", "ordinary text"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(std::string(row.text) + ": " + row.reason);
        int counter = 7;
        EXPECT_EQ(expandLiteralText(sj(row.text), counter, kExample, DateSettings{}),
                  sj(row.expectedUtf8));
        EXPECT_EQ(counter, 7);
        EXPECT_EQ(expandLiteralForEditor(sj(row.text), kExample, DateSettings{}),
                  sj(row.expectedUtf8));
    }
}

TEST(ExpandLiteralText, RunningNumberAdvancesOncePerLiteral) {
    int counter = 99;
    EXPECT_EQ(expandLiteralText("\\@", counter, kExample, DateSettings{}), "100");
    EXPECT_EQ(expandLiteralText("\\@ No.", counter, kExample, DateSettings{}), "101");  // whole
    EXPECT_EQ(counter, 101);

    counter = INT_MAX;  // wraps as a 32-bit counter rather than overflowing
    EXPECT_EQ(expandLiteralText("\\@", counter, kExample, DateSettings{}), "-2147483648");
}

TEST(ExpandLiteralText, EditorShowsTheRunningNumberCodeAsWritten) {
    EXPECT_EQ(expandLiteralForEditor("\\@", kExample, DateSettings{}), "\\@");
}

TEST(LabelCounter, ThirdPageOfSixContinuesTheNumbering) {
    int counter = labelCounterAtPageStart(3, 6, 100);  // pages 1, 2 showed 100..111
    EXPECT_EQ(counter, 111);
    for (int expected = 112; expected <= 117; ++expected) {
        EXPECT_EQ(expandLiteralText("\\@", counter, kExample, DateSettings{}),
                  std::to_string(expected));
    }
    EXPECT_EQ(labelCounterAtPageStart(1, 6, 1), 0);  // the first label of all shows 1
}

TEST(ParseTimestamp, ReadsDatesAndComputesTheWeekday) {
    MacroTimestamp t;
    ASSERT_TRUE(parseTimestamp("1900-03-01 08:30:15", t));  // every field distinct
    EXPECT_EQ(t.year, 1900);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 8);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(t.weekday, 4);  // Thursday, after a century's February

    const std::pair<const char*, int> weekdays[] = {
        {"1997-10-10 14:05:09", 5},  // the example, a Friday
        {"2026-12-08 00:00:00", 2},  // Tuesday
        {"2000-02-29 23:59:59", 2},  // leap day of a 400 year, Tuesday
        {"2024-01-01 12:00:00", 1},  // January counts with the year before, Monday
        {"0001-01-01 00:00:00", 1},  // earliest year, Monday
        {"9999-12-31 23:59:59", 5},  // latest moment, Friday
    };
    for (const auto& [text, weekday] : weekdays) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(parseTimestamp(text, t));
        EXPECT_EQ(t.weekday, weekday);
    }
}

TEST(ParseTimestamp, RejectsMalformedTextAndImpossibleDates) {
    const char* const rows[] = {
        "2026-02-30 10:00:00",   // 30 February
        "2023-02-29 10:00:00",   // no leap year
        "1900-02-29 10:00:00",   // a century is no leap year
        "2026-04-31 10:00:00",   // April has 30 days
        "2026-13-01 10:00:00",   // month 13
        "2026-12-00 10:00:00",   // day 0
        "0000-01-01 10:00:00",   // year 0
        "2026-12-08 24:00:00",   // hour 24
        "2026-12-08 23:59:60",   // second 60
        "2026-12-08",            // date alone
        "2026-12-08T10:00:00",   // ISO 'T'
        "2026-12-08 10:00:00 ",  // trailing blank
        "+026-12-08 10:00:00",   // sign in the year
        "2026-12-08 1a:00:00",   // letter in the hour
        "garbage",
        "",
    };
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        MacroTimestamp t = kExample;
        EXPECT_FALSE(parseTimestamp(text, t));
        EXPECT_EQ(t.year, 1997);  // left unchanged
    }
}

TEST(MacroClock, FixedClockKeepsItsTimeAcrossReads) {
    MacroClock clock;
    clock.fix(kExample);
    clock.readClock();
    EXPECT_TRUE(clock.isFixed());
    EXPECT_EQ(ExpandMacro("\\dt", clock.timestamp(), DateSettings{}), "97.10.10 14:05");
}

TEST(MacroClock, LocalTimeAgreesWithTheCalendar) {
    const MacroTimestamp now = MacroClock().timestamp();
    MacroTimestamp parsed;
    const std::string text =
        ExpandMacro("\\d2", now, settings('-')) + " " + ExpandMacro("\\t1", now, DateSettings{});
    ASSERT_TRUE(parseTimestamp(text, parsed)) << text;
    EXPECT_EQ(parsed.weekday, now.weekday);  // the system's weekday against our own
}

TEST(MacroPicker, ListsThirteenCodesInOrderWithTheirExpansions) {
    const auto entries = macroPickerEntries(kExample, DateSettings{});
    const char* const codes[] = {"\\@",  "\\d1", "\\d2", "\\d3", "\\d4", "\\d5", "\\t1",
                                 "\\t2", "\\t3", "\\dt", "\\w1", "\\w2", "\\w3"};
    ASSERT_EQ(entries.size(), 13u);
    for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].code, codes[i]);
    EXPECT_EQ(entries[0].listText, "12345");
    EXPECT_EQ(entries[0].detailText, sj("\\@  12345(連番)"));
    EXPECT_EQ(entries[4].listText, sj("平成9年10月10日"));
    EXPECT_EQ(entries[4].detailText, sj("\\d4  平成9年10月10日"));
    EXPECT_EQ(entries[9].detailText, "\\dt  97.10.10 14:05");
}

TEST(DateSettingsFile, ReadsDefaultsAndWrittenKeys) {
    test::TempFolder temp;
    ProfileFile file(temp.file("QUORVI32.INI"));
    const DateSettings defaults = readDateSettings(file);  // no file yet
    EXPECT_EQ(defaults.separator, 46);
    EXPECT_EQ(defaults.eraName, sj("平成"));
    EXPECT_EQ(defaults.eraOffset, 88);

    test::writeBytes(file.path(),
                     "[Date]\r\nDSepr=47\r\nNengo=" + sj("令和") + "\r\nNenGap=118\r\n");
    const DateSettings read = readDateSettings(file);
    EXPECT_EQ(read.separator, 47);
    EXPECT_EQ(read.eraName, sj("令和"));
    EXPECT_EQ(read.eraOffset, 118);

    ASSERT_TRUE(writeDateSettings(file, settings(45, "昭和", 25)));
    const std::string bytes = test::readBytes(file.path());
    EXPECT_NE(bytes.find("DSepr=45"), std::string::npos);
    EXPECT_NE(bytes.find("Nengo=" + sj("昭和")), std::string::npos);
    EXPECT_NE(bytes.find("NenGap=25"), std::string::npos);
}

}  // namespace
}  // namespace qv
