// rowsmith: the data editor of the comma-separated files that quorvi32 prints labels from.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "common/profile_file.h"
#include "editor/app/main_frame.h"
#include "editor/model/command_line.h"
#include "editor/model/rowsmith_fonts.h"
#include "editor/model/rowsmith_settings.h"
#include "platform/desktop_identity.h"
#include "platform/gui_message_service.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"

namespace {

const char* const kHelp =
    "Usage: rowsmith [DATAFILE.csv ...]\n"
    "\n"
    "Edits the comma-separated data files (Shift-JIS) that quorvi32 prints labels from.\n"
    "Files named here are opened; without any, the files open at the end of the last session\n"
    "are opened again, and a new document when that is switched on.\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Settings are kept in ROWSMITH.INI in $QUORVI_CONFIG_DIR, else $XDG_CONFIG_HOME/quorvi,\n"
    "else ~/.config/quorvi.\n";

// Shows the window as it was left: minimised (restoring maximised when it was), maximised or
// normal.
void showAsPlaced(qv::rowsmith::CMainFrame& frame, const qv::RowsmithPlacement& placement) {
    if (placement.minimised) {
        frame.setWindowState(placement.maximised ? Qt::WindowMinimized | Qt::WindowMaximized
                                                 : Qt::WindowMinimized);
        frame.show();
    } else if (placement.maximised) {
        frame.showMaximized();
    } else {
        frame.show();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    using Mode = qv::RowsmithCommandLine::Mode;
    const qv::RowsmithCommandLine line =
        qv::parseRowsmithCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.mode) {
        case Mode::Help:
            std::cout << kHelp;
            return 0;
        case Mode::Version:
            std::cout << "rowsmith " << QUORVI_VERSION << "\n";
            return 0;
        case Mode::Invalid:
            std::cerr << line.error << "\n";
            return 2;
        case Mode::Edit:
            break;
    }
    QApplication application(argc, argv);
    qv::setUpDesktopIdentity(application, "rowsmith");
    qv::installQtJapanese(application);
    std::vector<std::string> files;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) files.push_back(qv::toUtf8(arguments[i]));

    qv::GuiMessageService messages(QStringLiteral("Rowsmith32"));
    qv::ProfileFile settingsFile = qv::rowsmithSettingsFile();
    qv::RowsmithSettings settings = qv::readRowsmithSettings(settingsFile);
    qv::RowsmithFonts fonts = qv::readRowsmithFonts(settingsFile);
    qv::QtClipboardPort clipboard;
    qv::rowsmith::CMainFrame frame(settings, fonts, settingsFile, clipboard, messages);
    messages.setParent(&frame);
    frame.applyPlacement();
    showAsPlaced(frame, settings.placement);
    frame.openStartFiles(files);
    return application.exec();
}
