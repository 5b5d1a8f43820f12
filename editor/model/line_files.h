// Reading and writing the data editor's files as lists of lines: the data file, its backup (CSB)
// and its layout file (CSL).
//
// Lines are Shift-JIS bytes kept whole, whatever their length; a line end is LF, CR LF or a lone
// CR at the end of the file. Files are written with CR LF through a temporary file renamed over
// the old one, so a failed write never leaves half a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/message_service.h"

namespace qv {

enum class ReadLinesStatus { Ok, CannotOpen, IsFolder };

// How a file's lines ended: the first line end met, and whether the last line had one.
struct LineEndings {
    bool crLf = true;
    bool lastLineEnded = true;
};

// Reads every line of `path` (a local path) into `lines`, without its line end. On failure
// `lines` is left untouched.
ReadLinesStatus ReadLines(const std::string& path, std::vector<std::string>& lines);
ReadLinesStatus ReadLines(const std::string& path, std::vector<std::string>& lines,
                          LineEndings& endings);

// Writes every non-empty element of `lines` followed by CR LF. When the file cannot be written
// it beeps, tells "%s の Open に失敗しました　！" with the reason on the next line and gives false;
// the old file, if any, is intact.
bool writeLinesFile(const std::vector<std::string>& lines, const std::string& path,
                    MessageService& messages);

// Writes `bytes` as the file, with the same message on failure.
bool writeBytesFile(std::string_view bytes, const std::string& path, MessageService& messages);

// The same, giving the number of elements visited, 0 on failure.
size_t WriteLines(const std::vector<std::string>& lines, const std::string& path,
                  MessageService& messages);

// The bytes WriteLines writes.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace qv
