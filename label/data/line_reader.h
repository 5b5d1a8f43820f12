// Reads a data file line by line, as the label program reads text: a line feed ends a line and
// CR LF reads as a line feed. A line is one record whatever its length, NUL bytes included.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace qv {

class LineReader {
  public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens a regular file for reading; false (with the reason in `error`) for a missing,
    // unreadable or non-regular file such as a folder.
    bool open(const std::string& path, std::string* error = nullptr);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    // The next line with its line end as "\n" (none on a last line without one). False at the
    // end of the file or on a read error.
    bool readLine(std::string& line);

    // Up to `count` bytes from the start of the file, the position left as it was.
    std::string firstBytes(size_t count);

    // The file offset of the next line, and a return to such an offset.
    int64_t position() const { return position_; }
    bool seek(int64_t position);

  private:
    std::FILE* file_ = nullptr;
    int64_t position_ = 0;
    char* buffer_ = nullptr;  // getline's buffer, kept across lines
    size_t capacity_ = 0;
};

// A line without its line end.
inline std::string withoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

}  // namespace qv
