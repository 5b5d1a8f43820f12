// Both programs' command lines: the input split into arguments at NUL bytes. For the label
// program what parses keeps every value within the range its option allows, a refusal says why,
// and a mode that runs without a window names its definition; the data editor opens exactly the
// arguments that are no option, or refuses with a reason.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/command_line.h"
#include "label/app/command_line.h"
#include "label/definition/text_macros.h"

namespace {

void checkRowsmith(const std::vector<std::string>& arguments) {
    using Mode = qv::RowsmithCommandLine::Mode;
    const qv::RowsmithCommandLine line = qv::parseRowsmithCommandLine(arguments);
    if ((line.mode == Mode::Invalid) == line.error.empty()) __builtin_trap();
    if (line.mode != Mode::Edit) return;
    if (line.files != arguments) __builtin_trap();  // no option among them
    for (const std::string& file : line.files) {
        if (file.rfind("--", 0) == 0 || file == "-h") __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const size_t end = rest.find('\0');
        arguments.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    checkRowsmith(arguments);
    using Mode = qv::QuorviCommandLine::Mode;
    const qv::QuorviCommandLine c = qv::parseQuorviCommandLine(arguments);
    (void)qv::runsWithoutWindow(c);
    if (c.mode == Mode::Invalid) {
        if (c.error.empty()) __builtin_trap();
        return 0;
    }
    if (!c.error.empty()) __builtin_trap();
    if (c.mode == Mode::Help || c.mode == Mode::Version) return 0;
    if (c.mode != Mode::Desktop && c.definitionPath.empty()) __builtin_trap();
    if (c.dpi < 1 || c.dpi > 2400) __builtin_trap();
    if (c.startNumber < -1 || c.startNumber > 65535) __builtin_trap();
    if (c.monoRecord < 0 || c.monoRecord > 501) __builtin_trap();
    if (c.monoCopies < 1 || c.monoCopies > 9999) __builtin_trap();
    if (c.monoInputs.size() > 3) __builtin_trap();
    qv::MacroTimestamp time;
    if (!c.timestamp.empty() && !qv::parseTimestamp(c.timestamp, time)) __builtin_trap();
    if (c.mode == Mode::Export) {
        const std::string& out = c.outputPath;
        if (out.size() < 5 || out[out.size() - 4] != '.') __builtin_trap();
    }
    // The same arguments parse the same way again.
    const qv::QuorviCommandLine again = qv::parseQuorviCommandLine(arguments);
    if (again.mode != c.mode || again.definitionPath != c.definitionPath ||
        again.outputPath != c.outputPath || again.monoInputs != c.monoInputs) {
        __builtin_trap();
    }
    return 0;
}
