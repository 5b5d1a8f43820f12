#include "editor/model/line_files.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "common/file_io.h"
#include "common/text_format.h"

namespace qv {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Reads in blocks and splits at LF; a CR before the LF belongs to the line end, as does a CR that
// ends the file. Only one block and the lines are held, never the whole file twice.
bool readSplit(FILE* file, std::vector<std::string>& lines, LineEndings& endings) {
    bool firstEnd = true;
    std::vector<char> block(1 << 20);
    std::string pending;
    bool pendingLine = false;
    size_t read = 0;
    while ((read = fread(block.data(), 1, block.size(), file)) > 0) {
        const char* at = block.data();
        const char* end = at + read;
        while (at < end) {
            const char* newline = static_cast<const char*>(memchr(at, '\n', end - at));
            if (newline == nullptr) {
                pending.append(at, end);
                pendingLine = true;
                break;
            }
            pending.append(at, newline);
            const bool crLf = !pending.empty() && pending.back() == '\r';
            if (crLf) pending.pop_back();
            if (firstEnd) endings.crLf = crLf;
            firstEnd = false;
            lines.push_back(std::move(pending));
            pending.clear();
            pendingLine = false;
            at = newline + 1;
        }
    }
    if (ferror(file)) return false;
    endings.lastLineEnded = !pendingLine || (!pending.empty() && pending.back() == '\r');
    if (pendingLine) {
        if (!pending.empty() && pending.back() == '\r') pending.pop_back();
        lines.push_back(std::move(pending));
    }
    return true;
}

}  // namespace

ReadLinesStatus ReadLines(const std::string& path, std::vector<std::string>& lines) {
    LineEndings endings;
    return ReadLines(path, lines, endings);
}

ReadLinesStatus ReadLines(const std::string& path, std::vector<std::string>& lines,
                          LineEndings& endings) {
    if (isFolder(path)) return ReadLinesStatus::IsFolder;
    std::unique_ptr<FILE, int (*)(FILE*)> file(openRegularStream(path), fclose);
    if (!file) return ReadLinesStatus::CannotOpen;
    std::vector<std::string> read;
    LineEndings found;
    if (!readSplit(file.get(), read, found)) return ReadLinesStatus::CannotOpen;
    lines = std::move(read);
    endings = found;
    return ReadLinesStatus::Ok;
}

std::string joinLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool writeLinesFile(const std::vector<std::string>& lines, const std::string& path,
                    MessageService& messages) {
    return writeBytesFile(joinLines(lines), path, messages);
}

bool writeBytesFile(std::string_view bytes, const std::string& path, MessageService& messages) {
    std::string error;
    if (writeFileAtomically(path, bytes, &error)) return true;
    messages.exclamation(formatText("%s の Open に失敗しました　！", path.c_str()) + "\n" + error);
    return false;
}

size_t WriteLines(const std::vector<std::string>& lines, const std::string& path,
                  MessageService& messages) {
    return writeLinesFile(lines, path, messages) ? lines.size() : 0;
}

}  // namespace qv
