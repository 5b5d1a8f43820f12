// Text macros of literals: any text expanded with any label counter, print time (read as the
// command line's fixed time) and date settings, extreme era offsets and separators included. A
// text without a backslash stays as written, and a running number advances the counter by one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "label/definition/text_macros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    int counter = input.int32();
    const int page = input.int32();
    const int labelsPerPage = input.int32();
    qv::DateSettings date;
    date.separator = input.int32();
    date.eraOffset = input.int32();
    date.eraName = std::string(input.until('\n'));
    qv::MacroTimestamp time;
    time.year = 2026;
    time.month = 12;
    time.day = 8;
    time.weekday = 2;
    (void)qv::parseTimestamp(input.until('\n'), time);
    const std::string_view text = input.rest();

    const int before = counter;
    const std::string printed = qv::expandLiteralText(text, counter, time, date);
    const std::string shown = qv::expandLiteralForEditor(text, time, date);
    if (text.find('\\') == std::string_view::npos) {
        if (printed != text || shown != text || counter != before) __builtin_trap();
    }
    if (text.substr(0, 2) == "\\@") {
        const int advanced = static_cast<int>(static_cast<uint32_t>(before) + 1u);
        if (counter != advanced || printed != std::to_string(advanced)) __builtin_trap();
    } else if (counter != before) {
        __builtin_trap();
    }
    for (const qv::MacroPickerEntry& entry : qv::macroPickerEntries(time, date)) {
        if (entry.code != "\\@" && entry.listText.empty()) __builtin_trap();
    }
    (void)qv::labelCounterAtPageStart(page, labelsPerPage, counter);
    return 0;
}
