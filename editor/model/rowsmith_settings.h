// The data editor's settings file: the start flags, the label program and its associations, the
// window placement and the files to open again. Read once at start, written at exit; the fonts
// have their own keys (rowsmith_fonts.h).
#pragma once

#include <string>
#include <vector>

#include "common/profile_file.h"
#include "common/window_rect.h"

namespace qv {

inline constexpr const char* kRowsmithSettingsFileName = "ROWSMITH.INI";
constexpr int kMaxAssociations = 50;  // COMD0 .. COMD49

// The data editor's settings file in the settings folder. Opened once at the start of the
// program, which hands it to its windows.
ProfileFile rowsmithSettingsFile();

struct RowsmithPlacement {
    bool hasRect = false;  // no "Rect" yet: the platform places the window
    WindowRect rect;
    bool minimised = false;
    bool maximised = false;
    bool toolbar = true;
    bool statusBar = true;
};

struct RowsmithSettings {
    bool newOnStart = true;                 // "NewOpen"
    bool makeBackup = true;                 // "MakeBakup"
    std::string labelProgramPath;           // "EXEPATH", a local path
    std::vector<std::string> associations;  // "COMD%d": entry texts, Shift-JIS
    int storedAssociations = 0;             // COMD keys that held an entry when read
    RowsmithPlacement placement;
    std::vector<std::string> reopenList;  // "PathName": local paths
};

RowsmithSettings readRowsmithSettings(const ProfileFile& file);

// At exit: the flags, the label program, the associations (keys no longer needed written empty)
// and the placement. The reopen list is written apart, when the window is closed by the user.
// Both give false when the file could not be written (ProfileFile::lastError says why).
bool writeRowsmithSettings(ProfileFile& file, const RowsmithSettings& settings);
bool writeReopenList(ProfileFile& file, const std::vector<std::string>& paths);

// The reopen list's value: each path in double quotes, separated by commas.
std::string reopenListText(const std::vector<std::string>& storedPaths);
std::vector<std::string> parseReopenList(const std::string& text);

}  // namespace qv
