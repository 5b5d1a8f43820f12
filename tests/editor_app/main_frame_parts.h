// What a main window of the data editor is made of in the tests: its settings file in a
// temporary folder, the settings and fonts, a clipboard and a message service of the test's
// choosing, and the window once made.
#pragma once

#include <memory>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "editor/app/main_frame.h"
#include "tests/support/no_clipboard.h"
#include "tests/support/temp_folder.h"

namespace qv::test {

template <typename Clipboard = NoClipboard, typename Messages = RecordingMessageService>
struct RowsmithFrameParts {
    TempFolder folder;
    ProfileFile settingsFile{folder.file("ROWSMITH.INI")};
    RowsmithSettings settings;
    RowsmithFonts fonts;
    Clipboard clipboard;
    Messages messages;
    std::unique_ptr<rowsmith::CMainFrame> frame;

    void makeFrame() {
        frame = std::make_unique<rowsmith::CMainFrame>(settings, fonts, settingsFile, clipboard,
                                                       messages);
    }
};

}  // namespace qv::test
