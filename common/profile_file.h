// Private profile (INI) files: the settings files of both programs.
//
// A file of "[section]" lines and "key=value" lines. Sections and keys match without regard to
// ASCII case; the first occurrence wins. Keys and values are trimmed of blanks and TABs, and one
// pair of enclosing double quotes is removed from a value on reading. Values are kept as the
// file's Shift-JIS bytes. A missing file reads as empty. Lines may end in LF or CR LF; a rewrite
// keeps the file's line ends (CR LF for a new file). Every write replaces the file atomically.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/file_io.h"

namespace qv {

// A larger settings file reads as missing and is not rewritten.
constexpr size_t kLargestSettingsFile = 1 * kMiB;

class ProfileFile {
  public:
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }

    // The value of `key`, or `defaultValue` when the section, the key or the file is missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // The value read as a decimal integer (optional sign, digits up to the first other byte; a
    // value without digits reads 0). `defaultValue` when the key is missing or its value empty.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets `key` to `value`: an existing key line is replaced in place, a new key goes after the
    // last key of its section, a new section goes at the end of the file. False when the file
    // could not be written; the old file is then unchanged.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);

    // The reason of the last failed write.
    const std::string& lastError() const { return lastError_; }

  private:
    std::string path_;
    std::string lastError_;
};

// What the user is told when a settings file could not be written: its path and the reason.
std::string settingsNotSavedMessage(const ProfileFile& file);

// The folder of the settings files: $QUORVI_CONFIG_DIR when set, else $XDG_CONFIG_HOME/quorvi,
// else $HOME/.config/quorvi.
std::string settingsFolder();

// `fileName` (e.g. "QUORVI32.INI") in the settings folder.
std::string settingsPath(std::string_view fileName);

}  // namespace qv
