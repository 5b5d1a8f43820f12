#include "label/data/line_reader.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/file_io.h"

namespace qv {

LineReader::~LineReader() {
    close();
    std::free(buffer_);
}

bool LineReader::open(const std::string& path, std::string* error) {
    close();
    ReadStatus status = ReadStatus::Ok;
    std::FILE* file = openRegularStream(path, &status);
    if (file == nullptr) {
        if (error)
            *error = status == ReadStatus::NotRegular ? "not a regular file" : std::strerror(errno);
        return false;
    }
    file_ = file;
    position_ = 0;
    return true;
}

void LineReader::close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    position_ = 0;
}

bool LineReader::readLine(std::string& line) {
    if (file_ == nullptr) return false;
    const ssize_t length = ::getline(&buffer_, &capacity_, file_);
    if (length <= 0) return false;
    position_ += length;
    size_t kept = static_cast<size_t>(length);
    // Text mode: CR LF ends a line just as LF does.
    if (kept >= 2 && buffer_[kept - 1] == '\n' && buffer_[kept - 2] == '\r') {
        buffer_[kept - 2] = '\n';
        --kept;
    }
    line.assign(buffer_, kept);
    return true;
}

std::string LineReader::firstBytes(size_t count) {
    std::string bytes;
    if (file_ == nullptr) return bytes;
    const int64_t saved = position_;
    if (!seek(0)) return bytes;
    bytes.resize(count);
    bytes.resize(std::fread(bytes.data(), 1, count, file_));
    seek(saved);
    return bytes;
}

bool LineReader::seek(int64_t position) {
    if (file_ == nullptr || ::fseeko(file_, static_cast<off_t>(position), SEEK_SET) != 0) {
        return false;
    }
    position_ = position;
    return true;
}

}  // namespace qv
