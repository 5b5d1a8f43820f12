// The encoding of a data file open in the data editor, and the way back to its bytes.
//
// The document's lines are always CP932, so every rule of the editor works unchanged. A UTF-8
// file is brought there with utf8ToCore (its byte-order mark taken off the first line), and each
// line that this changes is remembered as read: at a save, a line that still equals what it was
// read as goes back byte for byte, any other one as sjis::toUtf8 of the line. A UTF-8 file also
// keeps its line end (the first one met: CR LF or LF) and a missing line end after its last
// line. A Shift-JIS file is written as it always was: the lines as they are, each with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/text_encoding.h"
#include "editor/model/line_files.h"

namespace qv {

struct FileEncoding {
    TextEncoding encoding = TextEncoding::ShiftJis;
    bool byteOrderMark = false;  // UTF-8 only
    bool operator==(const FileEncoding& other) const {
        return encoding == other.encoding && byteOrderMark == other.byteOrderMark;
    }
};

// "Shift-JIS", "UTF-8" or "UTF-8 (BOM)", as the status bar shows it.
std::string encodingLabel(FileEncoding encoding);

// The encoding `choice` gives for a file read as `lines`: the shared rule over its bytes (the
// line ends put back as `endings` say) for Auto.
TextEncoding encodingOfLines(EncodingChoice choice, const std::vector<std::string>& lines,
                             const LineEndings& endings);

class EncodedLines {
  public:
    // Takes the lines of a file as read (without their line ends) in `encoding` and turns them
    // into the document's CP932 lines in place.
    void decode(std::vector<std::string>& lines, TextEncoding encoding, const LineEndings& endings);

    // The file's bytes for `lines` in `target`: the non-empty lines, each with its line end.
    // Characters Shift-JIS lacks must be dealt with before a Shift-JIS target is asked for.
    std::string encode(const std::vector<std::string>& lines, FileEncoding target) const;

    // After a save in `encoding`: what was read no longer stands for the file.
    void adopt(FileEncoding encoding);

    FileEncoding encoding() const { return encoding_; }

  private:
    void appendUtf8(std::string& bytes, const std::string& line) const;

    FileEncoding encoding_;
    std::string lineEnd_ = "\r\n";
    std::string unendedLastLine_;  // the last line as read when no line end followed it
    bool lastLineEnded_ = true;
    std::unordered_map<std::string, std::string> read_;  // CP932 line -> its bytes as read
};

// `line` with every character Shift-JIS lacks (a kept code of utf8ToCore) as '?'.
std::string shiftJisLine(const std::string& line);

}  // namespace qv
