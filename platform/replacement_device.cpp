#include "platform/replacement_device.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qv {

ReplacementDevice::ReplacementDevice(ReplacementFile& file) : file_(file) {
    if (file_.ready()) open(QIODevice::WriteOnly);
}

bool ReplacementDevice::ready(std::string& error) const {
    return file_.ready(&error);
}

bool ReplacementDevice::finish(std::string& error) {
    if (failure_ != 0) {
        error = "cannot write " + file_.target() + ": " + std::strerror(failure_);
        return false;
    }
    close();
    return file_.finish(&error);
}

qint64 ReplacementDevice::readData(char*, qint64) {
    return -1;
}

qint64 ReplacementDevice::writeData(const char* data, qint64 size) {
    if (failure_ != 0) return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t written =
            ::write(file_.descriptor(), data + done, static_cast<size_t>(size - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failure_ = written < 0 ? errno : EIO;
            return -1;
        }
        done += written;
    }
    return done;
}

}  // namespace qv
