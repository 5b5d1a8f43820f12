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

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {
    temp_ = target_ + ".XXXXXX";
    if (injectedFault == WriteFault::ReadOnlyFolder) {
        openError_ = EACCES;
        temp_.clear();
        return;
    }
    fd_ = ::mkstemp(temp_.data());
    if (fd_ < 0) {
        openError_ = errno;
        temp_.clear();
        return;
    }
    struct stat old {};
    const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    if (::fchmod(fd_, mode) != 0) {
        openError_ = errno;
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
    setError(error, "Cannot create a temporary file for", target_, openError_);
    return false;
}

bool ReplacementFile::finish(std::string* error) {
    if (finished_) return true;
    if (!ready(error)) return false;
    const char* failedStep = nullptr;
    int code = 0;
    if (::fsync(fd_) != 0) {
        failedStep = "Cannot flush";
        code = errno;
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
        setError(error, "Cannot replace", target_, code);
        return false;
    }
    committed_ = true;
    syncFolder(folderOfFile(target_));
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
