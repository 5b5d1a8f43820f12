#include "editor/model/rowsmith_settings.h"

#include <algorithm>

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

namespace {

const char* const kFilesMode = "FILES MODE";
const char* const kProcess = "PROCESS";
const char* const kWindowSize = "Window size";
const char* const kPreOpen = "PreOpen";

// The profile reader takes one pair of enclosing quotes off a value, so values that are
// themselves quoted texts are written with one more pair.
std::string withOuterQuotes(const std::string& value) {
    return "\"" + value + "\"";
}

std::string commandKey(int k) {
    return formatText("COMD%d", k);
}

RowsmithPlacement readPlacement(const ProfileFile& file) {
    RowsmithPlacement p;
    const std::string rect = file.readString(kWindowSize, "Rect", "");
    p.hasRect = !rect.empty();
    if (p.hasRect) p.rect = parseWindowRect(rect);
    p.minimised = file.readInt(kWindowSize, "icon", 0) != 0;
    p.maximised = file.readInt(kWindowSize, "max", 0) != 0;
    p.toolbar = file.readInt(kWindowSize, "tool", 1) != 0;
    p.statusBar = file.readInt(kWindowSize, "status", 1) != 0;
    return p;
}

bool writePlacement(ProfileFile& file, const RowsmithPlacement& p) {
    bool written = !p.hasRect || file.writeString(kWindowSize, "Rect", formatWindowRect(p.rect));
    written = file.writeInt(kWindowSize, "icon", p.minimised ? 1 : 0) && written;
    written = file.writeInt(kWindowSize, "max", p.maximised ? 1 : 0) && written;
    written = file.writeInt(kWindowSize, "tool", p.toolbar ? 1 : 0) && written;
    return file.writeInt(kWindowSize, "status", p.statusBar ? 1 : 0) && written;
}

}  // namespace

ProfileFile rowsmithSettingsFile() {
    return ProfileFile(settingsPath(kRowsmithSettingsFileName));
}

RowsmithSettings readRowsmithSettings(const ProfileFile& file) {
    RowsmithSettings s;
    s.newOnStart = file.readInt(kFilesMode, "NewOpen", 1) != 0;
    s.makeBackup = file.readInt(kFilesMode, "MakeBakup", 1) != 0;
    s.labelProgramPath = sjis::toUtf8(file.readString(kProcess, "EXEPATH", ""));
    for (int k = 0; k < kMaxAssociations; ++k) {
        const std::string entry = file.readString(kProcess, commandKey(k), "");
        if (entry.empty()) break;
        s.associations.push_back(entry);
    }
    s.storedAssociations = static_cast<int>(s.associations.size());
    s.placement = readPlacement(file);
    s.reopenList = parseReopenList(file.readString(kPreOpen, "PathName", ""));
    for (std::string& path : s.reopenList) path = sjis::toUtf8(path);
    return s;
}

// Every key is tried even after a failure, so what can be kept is kept.
bool writeRowsmithSettings(ProfileFile& file, const RowsmithSettings& s) {
    bool written = file.writeInt(kFilesMode, "NewOpen", s.newOnStart ? 1 : 0);
    written = file.writeInt(kFilesMode, "MakeBakup", s.makeBackup ? 1 : 0) && written;
    written = file.writeString(kProcess, "EXEPATH", sjis::fromUtf8(s.labelProgramPath)) && written;
    const int count = std::min(static_cast<int>(s.associations.size()), kMaxAssociations);
    for (int k = 0; k < count; ++k) {
        written = file.writeString(kProcess, commandKey(k),
                                   withOuterQuotes(s.associations[static_cast<size_t>(k)])) &&
                  written;
    }
    for (int k = count; k < s.storedAssociations && k < kMaxAssociations; ++k) {
        written = file.writeString(kProcess, commandKey(k), "") && written;
    }
    return writePlacement(file, s.placement) && written;
}

bool writeReopenList(ProfileFile& file, const std::vector<std::string>& paths) {
    std::vector<std::string> stored;
    stored.reserve(paths.size());
    for (const std::string& path : paths) stored.push_back(sjis::fromUtf8(path));
    const std::string text = reopenListText(stored);
    return file.writeString(kPreOpen, "PathName", text.empty() ? text : withOuterQuotes(text));
}

std::string reopenListText(const std::vector<std::string>& storedPaths) {
    std::string text;
    for (const std::string& path : storedPaths) {
        if (!text.empty()) text += ',';
        std::string escaped;
        for (char c : path) {
            if (c == '"') escaped += '\\';
            escaped += c;
        }
        text += "\"" + escaped + "\"";
    }
    return text;
}

std::vector<std::string> parseReopenList(const std::string& text) {
    std::vector<std::string> paths;
    if (text.empty()) return paths;
    for (const std::string& path : SplitRecordLine(text)) {
        if (path.empty()) break;
        paths.push_back(path);
    }
    return paths;
}

}  // namespace qv
