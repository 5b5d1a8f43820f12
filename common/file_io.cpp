#include "common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace qv {

namespace {

constexpr mode_t kNewFileMode = 0644;

WriteFault injectedFault = WriteFault::None;

void setError(std::string* error, const std::string& what, const std::string& path, int code) {
    if (error) *error = what + " " + path + ": " + std::strerror(code);
}

std::string folderOfFile(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
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

ReadStatus readWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadStatus::CannotOpen;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return ReadStatus::ReadError;
        }
        content.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    bytes = std::move(content);
    return ReadStatus::Ok;
}

void injectWriteFault(WriteFault fault) {
    injectedFault = fault;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    std::string temp = path + ".XXXXXX";
    if (injectedFault == WriteFault::ReadOnlyFolder) errno = EACCES;
    const int fd = injectedFault == WriteFault::ReadOnlyFolder ? -1 : ::mkstemp(temp.data());
    if (fd < 0) {
        setError(error, "Cannot create a temporary file for", path, errno);
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    const char* failedStep = nullptr;
    int code = 0;
    const auto fail = [&](const char* step) {
        if (failedStep) return;
        failedStep = step;
        code = errno;
    };
    if (::fchmod(fd, mode) != 0) {
        fail("Cannot set the permissions for");
    } else if (!writeAll(fd, bytes)) {
        fail("Cannot write");
    } else if (::fsync(fd) != 0) {
        fail("Cannot flush");
    }
    if (::close(fd) != 0) fail("Cannot close");
    if (!failedStep && injectedFault == WriteFault::CutBeforeRename) {
        setError(error, "Interrupted before replacing", path, EINTR);
        return false;
    }
    if (!failedStep && ::rename(temp.c_str(), path.c_str()) != 0) fail("Cannot replace");
    if (failedStep) {
        ::unlink(temp.c_str());
        setError(error, failedStep, path, code);
        return false;
    }
    syncFolder(folderOfFile(path));
    return true;
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
