// What a main window of the label program is made of in the tests: its settings file in a
// temporary folder, a recording message service, the clock and the document.
#pragma once

#include <QAction>
#include <QString>
#include <memory>

#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "tests/label_app/widget_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv::test {

struct MainFrameParts {
    TempFolder folder;
    RecordingMessageService messages;
    ProfileFile settingsFile{folder.file("QUORVI32.INI")};
    QuorviSettings settings;
    MacroClock clock;
    CQuorviDoc document{messages};

    std::unique_ptr<CMainFrame> makeFrame() {
        return std::make_unique<CMainFrame>(document, settings, settingsFile, clock, messages);
    }
};

// Carries out the command whose menu text is `text`, as choosing it from the menu does.
inline void triggerCommand(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) return action->trigger();
    }
    FAIL() << "no command " << text.toStdString();
}

}  // namespace qv::test
