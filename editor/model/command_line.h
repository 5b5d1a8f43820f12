// The data editor's command line: --help, --version, and the data files to open.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct RowsmithCommandLine {
    enum class Mode { Edit, Help, Version, Invalid };
    Mode mode = Mode::Edit;
    std::string error;               // why the line is refused (Invalid)
    std::vector<std::string> files;  // the arguments that are no option, in order
};

// The arguments without the program name. The first --help (-h) or --version decides; any other
// argument beginning with "--" is refused.
RowsmithCommandLine parseRowsmithCommandLine(const std::vector<std::string>& arguments);

}  // namespace qv
