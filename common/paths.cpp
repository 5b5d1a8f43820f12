#include "common/paths.h"

#include "common/sjis_text.h"

namespace qv {

namespace {

size_t lastSeparator(std::string_view path) {
    return path.find_last_of("/\\");
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "C:\..." or "C:NAME": a path on a Windows drive.
bool isDrivePath(std::string_view path) {
    return path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':';
}

// "//server/share/...": a Windows network path (already with "/" separators).
bool isNetworkPath(std::string_view path) {
    return path.substr(0, 2) == "//";
}

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string joined(folder);
    if (joined.back() != '/') joined += '/';
    joined += name;
    return joined;
}

}  // namespace

std::string baseName(std::string_view path) {
    const size_t separator = lastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string folderOf(std::string_view path) {
    const size_t separator = lastSeparator(path);
    if (separator == std::string_view::npos) return std::string();
    // A file in the root folder keeps the root, so it still resolves absolutely.
    return std::string(path.substr(0, separator == 0 ? 1 : separator));
}

std::string companionPath(std::string_view path, std::string_view extension) {
    const size_t separator = lastSeparator(path);
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    std::string companion(path.substr(0, hasExtension ? dot : path.size()));
    companion += '.';
    companion += extension;
    return companion;
}

std::string localFromStoredPath(std::string_view storedPath, std::string_view baseFolder) {
    // Convert first: the second byte of a double-byte character may be 0x5C, which is no separator.
    std::string path = sjis::toUtf8(storedPath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if (path.empty()) return path;
    // A Windows drive or network path cannot be reached from here; look for its file beside the
    // definition instead.
    if (isDrivePath(path)) return joinPath(baseFolder, baseName(std::string_view(path).substr(2)));
    if (isNetworkPath(path)) return joinPath(baseFolder, baseName(path));
    if (path.front() == '/') return path;
    return joinPath(baseFolder, path);
}

std::string storedFromLocalPath(std::string_view localPath) {
    return sjis::fromUtf8(localPath);
}

}  // namespace qv
