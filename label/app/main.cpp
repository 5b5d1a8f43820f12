// quorvi32: the label program.
#include <QApplication>
#include <QTimer>
#include <iostream>
#include <string>
#include <vector>

#include "common/profile_file.h"
#include "label/app/command_line.h"
#include "label/app/dialogs/data_file_dialog.h"
#include "label/app/listing_command.h"
#include "label/app/main_frame.h"
#include "label/app/output_command.h"
#include "label/app/quorvi_settings.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "platform/desktop_identity.h"
#include "platform/gui_message_service.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"

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

// The definition of the command line, or a new one. The data file check after the first open
// does not offer its dialog when the definition prints at once (the start-up print mode).
bool openFirstDocument(qv::CQuorviDoc& document, const std::string& path,
                       const qv::QuorviSettings& settings, const qv::ProfileFile& settingsFile,
                       qv::MessageService& messages) {
    bool startup = !path.empty();
    // The data file's encoding is kept for the definition's path, before the data file is
    // looked at.
    document.addOpenStep([&settingsFile](qv::CQuorviDoc& opened) {
        opened.dataEncoding = qv::readDataEncoding(settingsFile, opened.pathName());
    });
    document.addOpenStep([&startup, &messages](qv::CQuorviDoc& opened) {
        const bool printsAtOnce = startup && opened.definition().printOnStart != 0;
        qv::checkDataFileOnOpen(opened, messages, printsAtOnce, [&messages](qv::CQuorviDoc& d) {
            qv::editDataFile(nullptr, d, messages);
        });
    });
    document.newDocument(settings.lastBarcodeKind);
    document.definition().shortJanNotAligned = settings.shortJanNotAligned ? 1 : 0;
    const bool opened = path.empty() || document.openDocument(path);
    startup = false;
    return opened;
}

int runDesktop(QApplication& application, const QuorviCommandLine& commandLine) {
    qv::GuiMessageService messages(QStringLiteral("quorvi32"));
    if (commandLine.mode == QuorviCommandLine::Mode::Invalid) {
        messages.stop(commandLine.error);
        return qv::kExitRefused;
    }
    const std::string& path = commandLine.definitionPath;
    if (!path.empty() && !qv::isDefinitionFileName(path)) {
        messages.exclamation(qv::notADefinitionFileMessage(path));
        return qv::kExitRefused;
    }
    qv::ProfileFile settingsFile = qv::quorviSettingsFile();
    qv::QuorviSettings settings;
    qv::readStartSettings(settingsFile, settings);
    qv::CQuorviDoc document(messages);
    if (!openFirstDocument(document, path, settings, settingsFile, messages)) {
        return qv::kExitFailure;
    }
    qv::readRemainingSettings(settingsFile, settings);
    qv::MacroClock clock;
    qv::CMainFrame frame(document, settings, settingsFile, clock, messages);
    messages.setParent(&frame);
    frame.restorePlacement();
    const bool printAtOnce = !path.empty() && document.definition().printOnStart != 0;
    if (printAtOnce) {
        frame.showMinimized();
        QTimer::singleShot(1000, &frame, &qv::CMainFrame::printAtStartup);
    } else {
        frame.show();
    }
    const int status = application.exec();
    // A settings file that could not be written is told once, however many writes fail at exit.
    if (!qv::writeExitSettings(settingsFile, settings) && !frame.settingsFailureShown()) {
        messages.exclamation(qv::settingsNotSavedMessage(settingsFile));
    }
    return status != 0 ? status : frame.exitStatus();
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
                            commandLine.mode == QuorviCommandLine::Mode::Print ||
                            commandLine.mode == QuorviCommandLine::Mode::Calibration ||
                            commandLine.mode == QuorviCommandLine::Mode::Verify;
        return output ? runOutput(argc, argv, commandLine) : runWithoutWindow(commandLine);
    }
    QApplication application(argc, argv);
    qv::setUpDesktopIdentity(application, "quorvi32");
    qv::installQtJapanese(application);
    // Qt has taken its own options (-platform, -style ...) out of the list by now.
    return runDesktop(application,
                      qv::parseQuorviCommandLine(argumentsOf(QApplication::arguments())));
}
