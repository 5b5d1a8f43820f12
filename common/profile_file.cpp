#include "common/profile_file.h"

#include "common/file_io.h"
#include "common/paths.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>

namespace qv {

namespace {

constexpr size_t kNone = std::string_view::npos;

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == kNone) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Position of the ASCII byte `wanted` in a CP932 text, skipping double-byte characters.
size_t findAsciiByte(std::string_view text, char wanted) {
    for (size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (sjis::isLeadByte(byte) && at + 1 < text.size() &&
            sjis::isTrailByte(static_cast<unsigned char>(text[at + 1]))) {
            ++at;
        } else if (text[at] == wanted) {
            return at;
        }
    }
    return kNone;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && sjis::asciiUpper(a) == sjis::asciiUpper(b);
}

// One line of the file: its text is [begin, end); the next line starts at `next`.
struct TextLine {
    size_t begin;
    size_t end;
    size_t next;
    bool hasLineEnd;
};

std::vector<TextLine> splitLines(std::string_view bytes) {
    std::vector<TextLine> lines;
    for (size_t begin = 0; begin < bytes.size();) {
        const size_t newline = bytes.find('\n', begin);
        const bool hasLineEnd = newline != kNone;
        size_t end = hasLineEnd ? newline : bytes.size();
        // CRs before the LF, or ending the file, belong to the line end: a value never ends in a
        // CR (values with line breaks are refused on writing).
        while (end > begin && bytes[end - 1] == '\r') --end;
        const size_t next = hasLineEnd ? newline + 1 : bytes.size();
        lines.push_back({begin, end, next, hasLineEnd});
        begin = next;
    }
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // trimmed, quotes still on
};

ParsedLine parseLine(std::string_view text) {
    const std::string_view line = trimBlanks(text);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        const size_t close = findAsciiByte(line, ']');
        if (close != kNone) return {LineKind::Section, trimBlanks(line.substr(1, close - 1)), {}};
    }
    const size_t equals = line.find('=');  // '=' is never the second byte of a character
    if (equals == kNone) return {};
    const std::string_view key = trimBlanks(line.substr(0, equals));
    if (key.empty()) return {};
    return {LineKind::Key, key, trimBlanks(line.substr(equals + 1))};
}

// Where a key is, or where it would go: line indexes into the split file.
struct KeyLocation {
    size_t sectionLine = kNone;
    size_t keyLine = kNone;
    size_t lastKeyLine = kNone;  // last key line of the section
    ParsedLine key;
};

KeyLocation locate(std::string_view bytes, const std::vector<TextLine>& lines,
                   std::string_view section, std::string_view key) {
    KeyLocation where;
    for (size_t index = 0; index < lines.size(); ++index) {
        const TextLine& line = lines[index];
        const ParsedLine parsed = parseLine(bytes.substr(line.begin, line.end - line.begin));
        if (parsed.kind == LineKind::Section) {
            if (where.sectionLine != kNone) break;  // the first matching section ends here
            if (sameName(parsed.name, section)) where.sectionLine = index;
        } else if (parsed.kind == LineKind::Key && where.sectionLine != kNone) {
            where.lastKeyLine = index;
            if (where.keyLine == kNone && sameName(parsed.name, key)) {
                where.keyLine = index;
                where.key = parsed;
            }
        }
    }
    return where;
}

std::optional<std::string> findValue(const std::string& path, std::string_view section,
                                     std::string_view key) {
    std::string bytes;
    if (readWholeFile(path, bytes, kLargestSettingsFile) != ReadStatus::Ok) return std::nullopt;
    const KeyLocation where = locate(bytes, splitLines(bytes), section, key);
    if (where.keyLine == kNone) return std::nullopt;
    std::string_view value = where.key.value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// The file's own line end, taken from its first line; CR LF for a file without one.
std::string lineEndOf(std::string_view bytes) {
    const size_t newline = bytes.find('\n');
    if (newline != kNone && (newline == 0 || bytes[newline - 1] != '\r')) return "\n";
    return "\r\n";
}

// Why the entry cannot be written so that it reads back, or nullptr.
const char* invalidEntry(std::string_view section, std::string_view key, std::string_view value) {
    for (const std::string_view text : {section, key, value}) {
        if (text.find_first_of("\r\n") != kNone) return "a line break";
    }
    const std::string_view name = trimBlanks(key);
    if (name.empty() || name.find('=') != kNone || name.front() == ';' || name.front() == '[') {
        return "an invalid key name";
    }
    if (findAsciiByte(section, ']') != kNone) return "an invalid section name";
    return nullptr;
}

// Ends the file's last line (one without LF) with `lineEnd`, in place of a lone CR it may have.
void endLastLine(std::string& bytes, const TextLine& last, const std::string& lineEnd) {
    bytes.replace(last.end, bytes.size() - last.end, lineEnd);
}

// Inserts `text` as a new line after `line`.
void insertLineAfter(std::string& bytes, const TextLine& line, const std::string& text,
                     const std::string& lineEnd) {
    if (line.hasLineEnd) {
        bytes.insert(line.next, text + lineEnd);
    } else {
        endLastLine(bytes, line, lineEnd);
        bytes += text;
    }
}

void appendSection(std::string& bytes, const std::vector<TextLine>& lines, std::string_view section,
                   const std::string& keyLine, const std::string& lineEnd) {
    if (!lines.empty()) {
        const TextLine& last = lines.back();
        if (!last.hasLineEnd) endLastLine(bytes, last, lineEnd);
        const std::string_view lastText(bytes.data() + last.begin, last.end - last.begin);
        if (!trimBlanks(lastText).empty()) bytes += lineEnd;
    }
    bytes += '[';
    bytes += section;
    bytes += ']' + lineEnd + keyLine + lineEnd;
}

// `bytes` with `key` set to `value` in `section`.
std::string withEntry(std::string bytes, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::vector<TextLine> lines = splitLines(bytes);
    const std::string lineEnd = lineEndOf(bytes);
    const KeyLocation where = locate(bytes, lines, section, key);
    if (where.keyLine != kNone) {
        // Keep the key as the file spells it.
        const TextLine& line = lines[where.keyLine];
        std::string text(where.key.name);
        text += '=';
        text += value;
        return bytes.replace(line.begin, line.end - line.begin, text);
    }
    std::string text(key);
    text += '=';
    text += value;
    if (where.sectionLine != kNone) {
        const size_t after = where.lastKeyLine != kNone ? where.lastKeyLine : where.sectionLine;
        insertLineAfter(bytes, lines[after], text, lineEnd);
    } else {
        appendSection(bytes, lines, section, text, lineEnd);
    }
    return bytes;
}

// The file as it is now; a missing file is empty, an unreadable one an error.
bool loadForWrite(const std::string& path, std::string& bytes, std::string& error) {
    if (readWholeFile(path, bytes, kLargestSettingsFile) == ReadStatus::Ok) return true;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        bytes.clear();
        return true;
    }
    error = "Cannot read " + path;
    return false;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        const passwd* user = ::getpwuid(::getuid());
        if (user && user->pw_dir) home = user->pw_dir;
    }
    return home;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::optional<std::string> value = findValue(path_, section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = findValue(path_, section, key);
    if (!value || value->empty()) return defaultValue;
    return parseLeadingInt(*value);
}

bool ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (const char* problem = invalidEntry(section, key, value)) {
        lastError_ = "Cannot write to " + path_ + ": the entry holds " + problem;
        return false;
    }
    std::string bytes;
    if (!loadForWrite(path_, bytes, lastError_)) return false;
    const std::string folder = folderOf(path_);
    if (!folder.empty() && !makeFolders(folder)) {
        lastError_ = "Cannot create the folder " + folder;
        return false;
    }
    std::string error;
    if (!writeFileAtomically(path_, withEntry(std::move(bytes), section, key, value), &error)) {
        lastError_ = error;
        return false;
    }
    return true;
}

bool ProfileFile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

std::string settingsFolder() {
    std::string own = environment("QUORVI_CONFIG_DIR");
    if (!own.empty()) return own;
    // Relative values of XDG_CONFIG_HOME are invalid and ignored.
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg + "/quorvi";
    const std::string home = homeFolder();
    return (home.empty() ? std::string(".") : home) + "/.config/quorvi";
}

std::string settingsPath(std::string_view fileName) {
    std::string path = settingsFolder();
    if (path.empty() || path.back() != '/') path += '/';
    path += fileName;
    return path;
}

std::string settingsNotSavedMessage(const ProfileFile& file) {
    return "設定ファイル " + file.path() + " に書き込めませんでした。\n" + file.lastError();
}

}  // namespace qv
