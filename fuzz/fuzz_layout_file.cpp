// The column layout line (CSL): any line is parsed; its widths written again read back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/layout_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const qv::LayoutWidths widths = qv::parseLayoutLine(line);
    const qv::LayoutWidths again = qv::parseLayoutLine(qv::formatLayoutLine(widths));
    for (size_t k = 0; k < widths.size() && widths[k] != 0; ++k) {
        const int clamped = widths[k] > 9999 ? 9999 : widths[k] < -999 ? -999 : widths[k];
        if (again[k] != clamped) __builtin_trap();
    }
    return 0;
}
