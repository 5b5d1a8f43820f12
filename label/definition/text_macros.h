// Text macros of label literals: a literal whose text is a macro code shows the date, the time,
// the weekday or the running label number when it is drawn.
//
// Codes are three bytes beginning with a backslash ("\d1", "\t2", "\w3", ...); "\@" is the running
// number. Every expansion of one print run uses the same timestamp, so all its labels agree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// "平成" in CP932: the era name used when the settings name none.
const std::string& defaultEraName();

// The date settings of section "Date" of the settings file (read and written by
// label/print/print_settings.h).
struct DateSettings {
    int separator = 46;                      // "DSepr": byte between year, month and day ('.')
    std::string eraName = defaultEraName();  // "Nengo", CP932
    int eraOffset = 88;                      // "NenGap": era year = (year - 1900) - offset
};

// A local date and time as the macros show it.
struct MacroTimestamp {
    int year = 0;  // four digits
    int month = 0;
    int day = 0;
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 = Sunday
};

// The local time now.
MacroTimestamp timestampNow();

// Reads "YYYY-MM-DD HH:MM:SS" (the form of the command line's fixed time). The date must exist in
// the Gregorian calendar and the time lie within 00:00:00..23:59:59; the weekday is computed.
// False, with `out` unchanged, on anything else.
bool parseTimestamp(std::string_view text, MacroTimestamp& out);

// The one timestamp shared by every expansion. It is read when the program starts and again each
// time printing or preview is prepared; a clock fixed from the command line keeps its time.
class MacroClock {
  public:
    MacroClock() { readClock(); }

    void readClock();
    void fix(const MacroTimestamp& timestamp);
    bool isFixed() const { return fixed_; }
    const MacroTimestamp& timestamp() const { return timestamp_; }

  private:
    MacroTimestamp timestamp_;
    bool fixed_ = false;
};

// The expansion (CP932) of a date, time or weekday code of exactly three bytes; empty for any
// other text. "\@" is not expanded here: it needs the label counter.
std::string ExpandMacro(std::string_view code, const MacroTimestamp& timestamp,
                        const DateSettings& date);

// The text a literal shows on a printed or previewed label. A text beginning with "\@" advances
// `labelCounter` and becomes its value. A text beginning with a date or time code, or consisting
// of exactly a weekday code, becomes that code's expansion; bytes after the code are dropped.
// Any other text stays as written.
std::string expandLiteralText(std::string_view text, int& labelCounter,
                              const MacroTimestamp& timestamp, const DateSettings& date);

// The text a literal shows in the editor: the date, time and weekday codes expanded as in
// printing, "\@" shown as written.
std::string expandLiteralForEditor(std::string_view text, const MacroTimestamp& timestamp,
                                   const DateSettings& date);

// Counter arithmetic wraps as a 32-bit counter would instead of overflowing.
int wrappedCounter(int64_t value);

// The label counter at the start of `page` (from 1), so that the page's first "\@" shows
// (page - 1) * labelsPerPage + serialStartNumber.
int labelCounterAtPageStart(int page, int labelsPerPage, int serialStartNumber);

// One line of the macro picker ("定数のマクロ").
struct MacroPickerEntry {
    std::string code;        // what choosing the entry puts into the literal
    std::string listText;    // the expansion at the timestamp; a sample number for "\@"
    std::string detailText;  // the code and its expansion, shown when the entry is selected
};

// The thirteen codes in picker order: "\@", the dates, the times, "\dt", the weekdays.
std::vector<MacroPickerEntry> macroPickerEntries(const MacroTimestamp& timestamp,
                                                 const DateSettings& date);

}  // namespace qv
