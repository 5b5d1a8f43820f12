#include "common/recent_files.h"

#include <algorithm>

#include "common/sjis_text.h"

namespace qv {

namespace {

const char* const kRecentFiles = "Recent File List";

std::string keyOf(int i) {
    return "File" + std::to_string(i);
}

}  // namespace

std::vector<std::string> readRecentFiles(const ProfileFile& file, int count) {
    std::vector<std::string> paths;
    for (int i = 1; i <= count; ++i) {
        const std::string stored = file.readString(kRecentFiles, keyOf(i), "");
        if (!stored.empty()) paths.push_back(sjis::toUtf8(stored));
    }
    return paths;
}

void rememberRecentFile(ProfileFile& file, int count, const std::string& localPath) {
    std::vector<std::string> paths = readRecentFiles(file, count);
    paths.erase(std::remove(paths.begin(), paths.end(), localPath), paths.end());
    paths.insert(paths.begin(), localPath);
    for (int i = 1; i <= count; ++i) {
        const size_t at = static_cast<size_t>(i - 1);
        file.writeString(kRecentFiles, keyOf(i),
                         at < paths.size() ? sjis::fromUtf8(paths[at]) : "");
    }
}

}  // namespace qv
