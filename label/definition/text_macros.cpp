#include "label/definition/text_macros.h"

#include <array>
#include <cstdint>
#include <ctime>

#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

namespace {

constexpr std::string_view kSerialCode = "\\@";
constexpr std::string_view kSerialSample = "12345";  // the picker's stand-in for the number

// The CP932 words of the Japanese date, time and weekday forms.
struct JapaneseWords {
    std::string year = sjis::fromUtf8("年");
    std::string month = sjis::fromUtf8("月");
    std::string day = sjis::fromUtf8("日");
    std::string hour = sjis::fromUtf8("時");
    std::string minute = sjis::fromUtf8("分");
    std::string serialNote = sjis::fromUtf8("(連番)");
    std::array<std::string, 7> weekdays = {sjis::fromUtf8("日曜日"), sjis::fromUtf8("月曜日"),
                                           sjis::fromUtf8("火曜日"), sjis::fromUtf8("水曜日"),
                                           sjis::fromUtf8("木曜日"), sjis::fromUtf8("金曜日"),
                                           sjis::fromUtf8("土曜日")};
};

const JapaneseWords& japanese() {
    static const JapaneseWords words;
    return words;
}

// The C locale's names, fixed here so that the user's locale cannot change a printed label.
constexpr std::array<const char*, 7> kShortWeekdays = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

std::string twoDigits(int value) {
    return formatText("%02d", value);
}

// The separator goes in as one literal byte; 0 or a value that is no byte means none.
std::string separatorText(int code) {
    if (code < 1 || code > 255) return {};
    return std::string(1, static_cast<char>(code));
}

std::string shortDate(const MacroTimestamp& t, const std::string& c) {
    return twoDigits((t.year % 100 + 100) % 100) + c + twoDigits(t.month) + c + twoDigits(t.day);
}

std::string hoursMinutes(const MacroTimestamp& t) {
    return formatText("%02d:%02d", t.hour, t.minute);
}

std::string japaneseMonthDay(const MacroTimestamp& t) {
    const JapaneseWords& w = japanese();
    return twoDigits(t.month) + w.month + twoDigits(t.day) + w.day;
}

// The era year counts from the whole calendar year, so a year in which the era changed still
// shows the configured era throughout.
std::string eraDate(const MacroTimestamp& t, const DateSettings& date) {
    const long long eraYear = (t.year - 1900LL) - date.eraOffset;
    return date.eraName + formatText("%lld", eraYear) + japanese().year + japaneseMonthDay(t);
}

std::string dateMacro(char kind, const MacroTimestamp& t, const DateSettings& date) {
    const std::string c = separatorText(date.separator);
    switch (kind) {
        case '1':
            return shortDate(t, c);
        case '2':
            return formatText("%04d", t.year) + c + twoDigits(t.month) + c + twoDigits(t.day);
        case '3':
            return twoDigits(t.month) + c + twoDigits(t.day);
        case '4':
            return eraDate(t, date);
        case '5':
            return japaneseMonthDay(t);
        case 't':
            return shortDate(t, c) + " " + hoursMinutes(t);
        default:
            return {};
    }
}

std::string timeMacro(char kind, const MacroTimestamp& t) {
    switch (kind) {
        case '1':
            return formatText("%02d:%02d:%02d", t.hour, t.minute, t.second);
        case '2':
            return hoursMinutes(t);
        case '3': {
            const JapaneseWords& w = japanese();
            return twoDigits(t.hour) + w.hour + twoDigits(t.minute) + w.minute;
        }
        default:
            return {};
    }
}

std::string weekdayMacro(char kind, int weekday) {
    const size_t index = static_cast<size_t>((weekday % 7 + 7) % 7);
    switch (kind) {
        case '1':
            return kShortWeekdays[index];
        case '2':
            return kLongWeekdays[index];
        case '3':
            return japanese().weekdays[index];
        default:
            return {};
    }
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Step 2 of a literal's expansion: a leading date or time code, or a text that is exactly a
// weekday code, replaces the whole text.
std::string expandCodeAtStart(std::string_view text, const MacroTimestamp& t,
                              const DateSettings& date) {
    const bool candidate = startsWith(text, "\\d") || startsWith(text, "\\t") ||
                           (startsWith(text, "\\w") && text.size() == 3);
    if (candidate) {
        std::string expanded = ExpandMacro(text.substr(0, 3), t, date);
        if (!expanded.empty()) return expanded;
    }
    return std::string(text);
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<size_t>(month - 1)];
}

// Day of the week of a Gregorian date (0 = Sunday), for years from 1 on: Sakamoto's method,
// counting January and February with the year before.
int weekdayOf(int year, int month, int day) {
    constexpr std::array<int, 12> kMonthShift = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) --year;
    return (year + year / 4 - year / 100 + year / 400 +
            kMonthShift[static_cast<size_t>(month - 1)] + day) %
           7;
}

// The decimal number in `text` from `begin`, `count` digits (already checked to be digits).
int digitsAt(std::string_view text, size_t begin, size_t count) {
    int value = 0;
    for (size_t i = begin; i < begin + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

const std::string& defaultEraName() {
    static const std::string name = sjis::fromUtf8("平成");
    return name;
}

MacroTimestamp timestampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    MacroTimestamp t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    t.weekday = local.tm_wday;
    return t;
}

bool parseTimestamp(std::string_view text, MacroTimestamp& out) {
    constexpr std::string_view kForm = "####-##-## ##:##:##";
    if (text.size() != kForm.size()) return false;
    for (size_t i = 0; i < kForm.size(); ++i) {
        const bool ok = kForm[i] == '#' ? (text[i] >= '0' && text[i] <= '9') : text[i] == kForm[i];
        if (!ok) return false;
    }
    MacroTimestamp t;
    t.year = digitsAt(text, 0, 4);
    t.month = digitsAt(text, 5, 2);
    t.day = digitsAt(text, 8, 2);
    t.hour = digitsAt(text, 11, 2);
    t.minute = digitsAt(text, 14, 2);
    t.second = digitsAt(text, 17, 2);
    if (t.year < 1 || !inRange(t.month, 1, 12) ||
        !inRange(t.day, 1, daysInMonth(t.year, t.month)) || !inRange(t.hour, 0, 23) ||
        !inRange(t.minute, 0, 59) || !inRange(t.second, 0, 59)) {
        return false;
    }
    t.weekday = weekdayOf(t.year, t.month, t.day);
    out = t;
    return true;
}

void MacroClock::readClock() {
    if (!fixed_) timestamp_ = timestampNow();
}

void MacroClock::fix(const MacroTimestamp& timestamp) {
    timestamp_ = timestamp;
    fixed_ = true;
}

std::string ExpandMacro(std::string_view code, const MacroTimestamp& timestamp,
                        const DateSettings& date) {
    if (code.size() != 3 || code[0] != '\\') return {};
    switch (code[1]) {
        case 'd':
            return dateMacro(code[2], timestamp, date);
        case 't':
            return timeMacro(code[2], timestamp);
        case 'w':
            return weekdayMacro(code[2], timestamp.weekday);
        default:
            return {};
    }
}

std::string expandLiteralText(std::string_view text, int& labelCounter,
                              const MacroTimestamp& timestamp, const DateSettings& date) {
    if (startsWith(text, kSerialCode)) {
        // The number that replaces the text never begins with a code, so nothing more applies.
        labelCounter = wrappedCounter(static_cast<int64_t>(labelCounter) + 1);
        return formatText("%d", labelCounter);
    }
    return expandCodeAtStart(text, timestamp, date);
}

std::string expandLiteralForEditor(std::string_view text, const MacroTimestamp& timestamp,
                                   const DateSettings& date) {
    return expandCodeAtStart(text, timestamp, date);
}

int wrappedCounter(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

int labelCounterAtPageStart(int page, int labelsPerPage, int serialStartNumber) {
    return wrappedCounter((static_cast<int64_t>(page) - 1) * labelsPerPage + serialStartNumber - 1);
}

std::vector<MacroPickerEntry> macroPickerEntries(const MacroTimestamp& timestamp,
                                                 const DateSettings& date) {
    static constexpr std::array<std::string_view, 12> kCodes = {"\\d1", "\\d2", "\\d3", "\\d4",
                                                                "\\d5", "\\t1", "\\t2", "\\t3",
                                                                "\\dt", "\\w1", "\\w2", "\\w3"};
    const std::string serial(kSerialSample);
    std::vector<MacroPickerEntry> entries;
    entries.push_back({std::string(kSerialCode), serial,
                       std::string(kSerialCode) + "  " + serial + japanese().serialNote});
    for (std::string_view code : kCodes) {
        std::string expansion = ExpandMacro(code, timestamp, date);
        entries.push_back({std::string(code), expansion, std::string(code) + "  " + expansion});
    }
    return entries;
}

}  // namespace qv
