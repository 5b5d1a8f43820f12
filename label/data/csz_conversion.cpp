#include "label/data/csz_conversion.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "common/file_io.h"
#include "common/text_format.h"

namespace qv {

namespace {

constexpr size_t kDisplayLimit = 39;  // paths this long or longer are shortened
constexpr size_t kDisplayHead = 18;   // characters kept from the start
constexpr size_t kDisplayTail = 20;   // characters kept from the end

const char* const kTargetExists = "%s は既に存在しています！";
const char* const kCannotOpen = "%s はオープン出来ませんでした！";
const char* const kCannotCreate = "%s は作成出来ませんでした！";
const char* const kCannotRename = "%s を %s に名前変更出来ませんでした！";

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets at which the UTF-8 characters of `text` start (a stray continuation byte at the
// very start counts as a character of its own, so every byte belongs to one character).
std::vector<size_t> characterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !isContinuationByte(text[i])) starts.push_back(i);
    }
    return starts;
}

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;  // a dangling link still occupies the name
}

// Moves `from` to `to` without replacing a file that appeared at `to` after the check; 0 or the
// error number. File systems that cannot refuse a replacement get a plain rename.
int renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::string cszTargetPath(std::string_view sourcePath) {
    const size_t dot = sourcePath.rfind('.');
    std::string target(dot == std::string_view::npos ? std::string_view()
                                                     : sourcePath.substr(0, dot));
    target += ".Csz";
    return target;
}

std::string shortenedPathForDisplay(std::string_view path) {
    const std::vector<size_t> starts = characterStarts(path);
    if (starts.size() < kDisplayLimit) return std::string(path);
    std::string shown(path.substr(0, starts[kDisplayHead]));
    shown += ".....";
    shown += path.substr(starts[starts.size() - kDisplayTail]);
    return shown;
}

bool CszConversion::execute() {
    if (!canExecute()) return false;
    const std::string targetPath = target();
    return mode_ == Mode::Rename ? renameToTarget(targetPath) : copyToTarget(targetPath);
}

bool CszConversion::renameToTarget(const std::string& targetPath) {
    const int error = pathExists(targetPath) ? EEXIST : renameWithoutReplacing(source_, targetPath);
    if (error == EEXIST) {
        messages_.exclamation(formatText(kTargetExists, targetPath.c_str()));
    } else if (error != 0) {
        messages_.exclamation(formatText(kCannotRename, source_.c_str(), targetPath.c_str()));
    }
    return error == 0;
}

bool CszConversion::copyToTarget(const std::string& targetPath) {
    std::string bytes;
    if (readWholeFile(source_, bytes, kLargestCszFile) != ReadStatus::Ok) {
        messages_.exclamation(formatText(kCannotOpen, source_.c_str()));
        return false;
    }
    if (!writeFileAtomically(targetPath, bytes)) {
        messages_.exclamation(formatText(kCannotCreate, targetPath.c_str()));
        return false;
    }
    return true;
}

}  // namespace qv
