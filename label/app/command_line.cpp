#include "label/app/command_line.h"

#include "common/text_format.h"

#ifndef QUORVI_VERSION
#define QUORVI_VERSION "0"
#endif

namespace qv {

namespace {

QuorviCommandLine invalid(std::string error) {
    QuorviCommandLine commandLine;
    commandLine.mode = QuorviCommandLine::Mode::Invalid;
    commandLine.error = std::move(error);
    return commandLine;
}

bool isOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

}  // namespace

QuorviCommandLine parseQuorviCommandLine(const std::vector<std::string>& arguments) {
    QuorviCommandLine commandLine;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            commandLine.mode = QuorviCommandLine::Mode::Help;
            return commandLine;
        }
        if (argument == "--version") {
            commandLine.mode = QuorviCommandLine::Mode::Version;
            return commandLine;
        }
        if (argument == "--listing") {
            commandLine.mode = QuorviCommandLine::Mode::Listing;
        } else if (isOption(argument)) {
            return invalid(formatText("unknown option: %s", argument.c_str()));
        } else if (!commandLine.definitionPath.empty()) {
            return invalid(
                formatText("only one definition file can be given: %s", argument.c_str()));
        } else {
            commandLine.definitionPath = argument;
        }
    }
    if (commandLine.mode == QuorviCommandLine::Mode::Listing &&
        commandLine.definitionPath.empty()) {
        return invalid("--listing needs a definition file");
    }
    return commandLine;
}

bool runsWithoutWindow(const QuorviCommandLine& commandLine) {
    return commandLine.mode != QuorviCommandLine::Mode::Desktop;
}

std::string quorviHelpText() {
    return "Usage: quorvi32 [DEFINITION.qvd]\n"
           "       quorvi32 --listing DEFINITION.qvd\n"
           "\n"
           "Designs sheets of barcode labels and prints one label per record of a data file.\n"
           "\n"
           "  DEFINITION.qvd       open this label definition in the desktop program\n"
           "  --listing FILE.qvd   write the definition listing (UTF-8) to stdout and exit\n"
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n"
           "\n"
           "Exit status: 0 success, 1 failure while running, 2 bad arguments or a refused\n"
           "definition file. Settings are kept in $QUORVI_CONFIG_DIR, else\n"
           "$XDG_CONFIG_HOME/quorvi, else ~/.config/quorvi.\n";
}

std::string quorviVersionText() {
    return std::string("quorvi32 ") + QUORVI_VERSION + "\n";
}

}  // namespace qv
