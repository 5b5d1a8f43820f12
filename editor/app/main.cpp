// rowsmith: the data editor. Its document, grid and dialogs come in their own steps; for now the
// program opens its multiple-document main window.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>
#include <cstring>
#include <iostream>

namespace {

const char* const kHelp =
    "Usage: rowsmith [DATAFILE.csv]\n"
    "\n"
    "Edits the comma-separated data files that quorvi32 prints labels from.\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kHelp;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "rowsmith " << QUORVI_VERSION << "\n";
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rowsmith"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Rowsmith32"));
    window.setCentralWidget(new QMdiArea(&window));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(900, 600);
    window.show();
    return application.exec();
}
