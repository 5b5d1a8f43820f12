#include "editor/model/command_line.h"

namespace qv {

RowsmithCommandLine parseRowsmithCommandLine(const std::vector<std::string>& arguments) {
    RowsmithCommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return {RowsmithCommandLine::Mode::Help, {}, {}};
        }
        if (argument == "--version") return {RowsmithCommandLine::Mode::Version, {}, {}};
        if (argument.rfind("--", 0) == 0) {
            return {RowsmithCommandLine::Mode::Invalid,
                    "rowsmith: unknown option: " + argument + " (see --help)",
                    {}};
        }
        line.files.push_back(argument);
    }
    return line;
}

}  // namespace qv
