// The guide that comes with both programs, the README, found from the program's own folder: the
// copy the package installs with its documents, or the project's own README when the program
// runs from the build folder of a checkout.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The paths looked at, in order, for a program in `programFolder` (a local path).
std::vector<std::string> guideCandidates(const std::string& programFolder);

// The first candidate that is a file, as an absolute path without "..", or empty when none is.
std::string findGuide(const std::string& programFolder);

}  // namespace qv
