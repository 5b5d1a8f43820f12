// quorvi32: the label program.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "label/app/command_line.h"
#include "label/app/definition_window.h"
#include "label/app/listing_command.h"
#include "label/app/output_command.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "platform/gui_message_service.h"
#include "platform/qt_text.h"

namespace {

using qv::QuorviCommandLine;

// The modes that need no display run before any Qt object exists; so does the refusal of an
// unknown "--" option (Qt's own options have one dash and are Qt's to take).
bool asksForWindowlessMode(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument.rfind("--", 0) == 0 || argument == "-h") return true;
    }
    return false;
}

// Export and print need Qt's fonts and printers but no window: without a display they run on
// the offscreen platform.
int runOutput(int argc, char* argv[], const QuorviCommandLine& commandLine) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    qv::StderrMessageService messages;
    return qv::runOutputCommand(commandLine, messages);
}

int runWithoutWindow(const QuorviCommandLine& commandLine) {
    qv::StderrMessageService messages;
    switch (commandLine.mode) {
        case QuorviCommandLine::Mode::Help:
            std::cout << qv::quorviHelpText();
            return 0;
        case QuorviCommandLine::Mode::Version:
            std::cout << qv::quorviVersionText();
            return 0;
        case QuorviCommandLine::Mode::Listing:
            return qv::runListingCommand(commandLine.definitionPath, std::cout, messages);
        default:
            break;
    }
    messages.stop("quorvi32: " + commandLine.error + " (see --help)");
    return qv::kExitRefused;
}

int runDesktop(QApplication& application, const QuorviCommandLine& commandLine) {
    qv::GuiMessageService messages(QStringLiteral("quorvi32"));
    if (commandLine.mode == QuorviCommandLine::Mode::Invalid) {
        messages.stop(commandLine.error);
        return qv::kExitRefused;
    }
    qv::CQuorviDoc document(messages);
    // The data file dialog joins this check with the program shell; until then the user is told.
    document.addOpenStep([&messages](qv::CQuorviDoc& opened) {
        qv::checkDataFileOnOpen(opened, messages, false, nullptr);
    });
    const std::string& path = commandLine.definitionPath;
    if (!path.empty()) {
        if (!qv::isDefinitionFileName(path)) {
            messages.exclamation(qv::notADefinitionFileMessage(path));
            return qv::kExitRefused;
        }
        if (!document.openDocument(path)) return qv::kExitFailure;
    }
    qv::DefinitionWindow window(document);
    messages.setParent(&window);
    window.show();
    return application.exec();
}

std::vector<std::string> argumentsOf(const QStringList& list) {
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < list.size(); ++i) arguments.push_back(qv::toUtf8(list[i]));
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (asksForWindowlessMode(arguments)) {
        const QuorviCommandLine commandLine = qv::parseQuorviCommandLine(arguments);
        const bool output = commandLine.mode == QuorviCommandLine::Mode::Export ||
                            commandLine.mode == QuorviCommandLine::Mode::Print;
        return output ? runOutput(argc, argv, commandLine) : runWithoutWindow(commandLine);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvi32"));
    // Qt has taken its own options (-platform, -style ...) out of the list by now.
    return runDesktop(application,
                      qv::parseQuorviCommandLine(argumentsOf(QApplication::arguments())));
}
