#include "common/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace qv {

namespace {

constexpr mode_t kNewFileMode = 0644;
// A temporary file is "<target>" + kTempInfix + the six characters mkstemp picks.
constexpr std::string_view kTempInfix = ".saving-";
constexpr size_t kTempUniqueLength = 6;
constexpr int kMostLinks = 40;  // as the kernel's own limit on following links
constexpr const char* kCannotCreateTemp = "Cannot create a temporary file for";
constexpr const char* kCannotReplace = "Cannot replace";

WriteFault injectedFault = WriteFault::None;

void setError(std::string* error, const std::string& what, const std::string& path, int code) {
    if (error) *error = what + " " + path + ": " + std::strerror(code);
}

std::string folderOfFile(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOfFile(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void setStatus(ReadStatus* status, ReadStatus value) {
    if (status) *status = value;
}

// The descriptor of a regular file opened without blocking, then switched back to blocking reads;
// `info` receives its fstat.
int openRegular(const std::string& path, ReadStatus* status, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setStatus(status, ReadStatus::CannotOpen);
        return -1;
    }
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const int flags = regular ? ::fcntl(fd, F_GETFL) : -1;
    if (!regular || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int code = errno;
        ::close(fd);
        errno = code;
        setStatus(status, regular ? ReadStatus::CannotOpen : ReadStatus::NotRegular);
        return -1;
    }
    setStatus(status, ReadStatus::Ok);
    return fd;
}

// Reads at most cap + 1 bytes, so a file that grew past the cap shows it.
ReadStatus readUpTo(int fd, size_t cap, std::string& content) {
    char buffer[65536];
    for (;;) {
        const size_t wanted = std::min(sizeof buffer, cap + 1 - content.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got == 0) return ReadStatus::Ok;
        if (got < 0) {
            if (errno == EINTR) continue;
            return ReadStatus::ReadError;
        }
        content.append(buffer, static_cast<size_t>(got));
        if (content.size() > cap) return ReadStatus::TooLarge;
    }
}

// Follows symbolic links in `path` to the file they name, which may not exist yet. False (with
// ELOOP in `error`) for a chain of links too long or circular.
bool followLinks(std::string& path, int& error) {
    for (int hops = 0; hops < kMostLinks; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::vector<char> link(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<size_t>(length) >= link.size()) return true;
        std::string named(link.data(), static_cast<size_t>(length));
        if (named.front() == '/') {
            path = std::move(named);
        } else {
            std::string joined = folderOfFile(path);
            joined += '/';
            joined += named;
            path = std::move(joined);
        }
    }
    error = ELOOP;
    return false;
}

// Why an existing `target` may not be replaced (0 when it may). Root passes access(W_OK) for
// every file, so a file with no write permission at all is refused for root too.
int refusalOf(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return 0;  // a new file
    if (::access(target.c_str(), W_OK) != 0) return errno;
    return (info.st_mode & 0222) == 0 ? EACCES : 0;
}

bool isTempName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kTempUniqueLength ||
        name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view unique = name.substr(prefix.size());
    return std::all_of(unique.begin(), unique.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// A temporary file goes when it is ours and no save holds it locked, as a live save does.
void removeIfAbandoned(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

// Removes what killed saves of `target` left: only names of its own temporary file pattern.
void removeLeftovers(const std::string& target) {
    const std::string folder = folderOfFile(target);
    const std::string prefix = nameOfFile(target) + std::string(kTempInfix);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (isTempName(entry->d_name, prefix)) removeIfAbandoned(folder + "/" + entry->d_name);
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view bytes) {
    if (injectedFault == WriteFault::DiskFull) {
        errno = ENOSPC;
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename durable; a folder that cannot be synced does not fail the write.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int openRegularFile(const std::string& path, ReadStatus* status) {
    struct stat info {};
    return openRegular(path, status, info);
}

std::FILE* openRegularStream(const std::string& path, ReadStatus* status) {
    const int fd = openRegularFile(path, status);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        setStatus(status, ReadStatus::CannotOpen);
    }
    return file;
}

ReadStatus readWholeFile(const std::string& path, std::string& bytes, size_t cap) {
    ReadStatus status = ReadStatus::Ok;
    struct stat info {};
    const int fd = openRegular(path, &status, info);
    if (fd < 0) return status;
    std::string content;
    if (static_cast<uintmax_t>(info.st_size) > cap) {
        status = ReadStatus::TooLarge;
    } else {
        content.reserve(static_cast<size_t>(info.st_size));
        status = readUpTo(fd, cap, content);
    }
    ::close(fd);
    if (status == ReadStatus::Ok) bytes = std::move(content);
    return status;
}

void injectWriteFault(WriteFault fault) {
    injectedFault = fault;
}

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {
    openStep_ = kCannotReplace;
    if (!followLinks(target_, openError_)) return;
    openError_ = refusalOf(target_);
    if (openError_ == 0) create();
}

void ReplacementFile::create() {
    temp_ = target_ + std::string(kTempInfix) + std::string(kTempUniqueLength, 'X');
    fd_ = injectedFault == WriteFault::ReadOnlyFolder ? -1 : ::mkstemp(temp_.data());
    if (fd_ < 0) {
        if (injectedFault == WriteFault::ReadOnlyFolder) errno = EACCES;
        openError_ = errno;
        openStep_ = kCannotCreateTemp;
        temp_.clear();
        return;
    }
    ::flock(fd_, LOCK_EX);  // tells a later save's clean-up that this file is in use
    struct stat old {};
    const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    if (::fchmod(fd_, mode) != 0) {
        openError_ = errno;
        openStep_ = kCannotCreateTemp;
        discard();
    }
}

ReplacementFile::~ReplacementFile() {
    if (!committed_) discard();
}

void ReplacementFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool ReplacementFile::ready(std::string* error) const {
    if (fd_ >= 0 || finished_) return true;
    setError(error, openStep_, target_, openError_);
    return false;
}

bool ReplacementFile::finish(std::string* error) {
    if (finished_) return true;
    if (!ready(error)) return false;
    const char* failedStep = nullptr;
    int code = 0;
    if (injectedFault == WriteFault::DiskFull || ::fsync(fd_) != 0) {
        failedStep = "Cannot flush";  // a writer that filled the disk may learn only here
        code = injectedFault == WriteFault::DiskFull ? ENOSPC : errno;
    }
    if (::close(fd_) != 0 && !failedStep) {
        failedStep = "Cannot close";
        code = errno;
    }
    fd_ = -1;
    if (failedStep) {
        discard();
        setError(error, failedStep, target_, code);
        return false;
    }
    finished_ = true;
    return true;
}

bool ReplacementFile::commit(std::string* error) {
    if (!finish(error)) return false;
    if (injectedFault == WriteFault::CutBeforeRename) {
        committed_ = true;  // the temporary file stays, as a crash would leave it
        setError(error, "Interrupted before replacing", target_, EINTR);
        return false;
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        const int code = errno;
        discard();
        setError(error, kCannotReplace, target_, code);
        return false;
    }
    committed_ = true;
    syncFolder(folderOfFile(target_));
    removeLeftovers(target_);
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    ReplacementFile file(path);
    if (!file.ready(error)) return false;
    if (!writeAll(file.descriptor(), bytes)) {
        setError(error, "Cannot write", path, errno);
        return false;
    }
    return file.commit(error);
}

bool makeFolders(const std::string& folder) {
    if (folder.empty()) return false;
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0755);
    }
    ::mkdir(folder.c_str(), 0755);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace qv
