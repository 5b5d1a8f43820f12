// Qt's own texts (buttons of message boxes, the file, print and preview dialogs) in Japanese, as
// every other text of the programs is.
#pragma once

class QCoreApplication;

namespace qv {

// Loads Qt's Japanese translation into the application; false when it is not installed (Debian
// package qt6-translations-l10n), in which case Qt's texts stay English.
bool installQtJapanese(QCoreApplication& application);

}  // namespace qv
