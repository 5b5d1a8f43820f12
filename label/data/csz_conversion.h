// The rules of the conversion dialog "ＣＳＺファイル変換", without widgets: a comma-separated data
// file becomes a CSZ file, either by renaming it or by copying it.
//
// Paths here are local (UTF-8) paths; the widget hands over the file dialog's choice and shows
// displayPath(). Messages go through the message service.
#pragma once

#include <string>
#include <string_view>

#include "common/file_io.h"
#include "common/message_service.h"

namespace qv {

// A larger source is not copied.
constexpr size_t kLargestCszFile = 16 * kMiB;

inline constexpr const char* kCszBrowseTitle = "ファイルの参照";
inline constexpr const char* kCszBrowseFilter = "ｶﾝﾏ編集(*.CSV)|*.csv|全て(*.*)|*.*||";
inline constexpr const char* kCszRenameLabel = "リネーム";
inline constexpr const char* kCszCopyLabel = "コピーして作る";

// The CSZ name of `sourcePath`: everything before its last dot (a dot in a folder name counts)
// followed by ".Csz"; a path without a dot gives ".Csz".
std::string cszTargetPath(std::string_view sourcePath);

// `path` as the dialog shows it: as is below 39 characters, otherwise its first 18 characters,
// "....." and its last 20. Characters are counted in UTF-8 and never split.
std::string shortenedPathForDisplay(std::string_view path);

class CszConversion {
  public:
    enum class Mode { Rename, Copy };

    explicit CszConversion(MessageService& messages) : messages_(messages) {}

    void chooseSource(const std::string& localPath) { source_ = localPath; }
    void setMode(Mode mode) { mode_ = mode; }

    const std::string& source() const { return source_; }
    Mode mode() const { return mode_; }
    std::string target() const { return cszTargetPath(source_); }
    std::string displayPath() const { return shortenedPathForDisplay(source_); }

    // "実 行" is enabled once a source has been chosen.
    bool canExecute() const { return !source_.empty(); }

    // Renames or copies the source to the target. True when it was done and the dialog closes;
    // on failure the user has been told and no file has changed.
    bool execute();

  private:
    bool renameToTarget(const std::string& target);
    bool copyToTarget(const std::string& target);

    MessageService& messages_;
    std::string source_;
    Mode mode_ = Mode::Rename;
};

}  // namespace qv
