// The command line of quorvi32.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct QuorviCommandLine {
    enum class Mode {
        Desktop,  // the desktop program, with an optional definition to open
        Listing,  // print the definition listing to stdout
        Help,
        Version,
        Invalid,  // `error` says why
    };
    Mode mode = Mode::Desktop;
    std::string definitionPath;
    std::string error;
};

// `arguments` without the program name.
QuorviCommandLine parseQuorviCommandLine(const std::vector<std::string>& arguments);

// True when the arguments ask for a mode that runs without a window.
bool runsWithoutWindow(const QuorviCommandLine& commandLine);

std::string quorviHelpText();
std::string quorviVersionText();

// Exit statuses of the command-line modes.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;  // bad arguments or a refused definition

}  // namespace qv
