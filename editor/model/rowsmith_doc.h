// CROWSMITHDoc: one data file open in the data editor, held as its lines.
//
// Line 0 is the header (the field names), lines 1..n the records, each kept as the text of the
// file as CP932 (never pre-split), whatever the file's encoding (see encoded_lines.h). Beside the
// data file live its column layout (CSL) and, when backups are on, a copy taken at every open
// (CSB). Paths are local (UTF-8) paths.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/layout_file.h"
#include "common/message_service.h"
#include "editor/model/encoded_lines.h"

namespace qv {

constexpr int kMaxColumns = kLayoutSlots;  // columns that have widths
using ColumnWidths = LayoutWidths;

class CROWSMITHDoc {
  public:
    explicit CROWSMITHDoc(MessageService& messages);

    // An empty document: no header, no records, all widths 0.
    void newDocument();

    // Reads `path` in the encoding `choice` gives; writes the backup first when `makeBackup`.
    // On failure the user is told and the document is as it was.
    bool open(const std::string& path, bool makeBackup,
              EncodingChoice choice = EncodingChoice::Auto);

    // Writes the lines (without empty ones) in the document's encoding, or in `target`, and the
    // layout file through temporary files. On failure the user is told, the old file is intact
    // and the document stays modified and in its encoding. Saved in Shift-JIS, characters that
    // Shift-JIS lacks become '?' in the file and in the lines (ask first: encoding_conversion.h).
    // The status texts go to `status` when it is set.
    bool save(const std::string& path);
    bool save(const std::string& path, FileEncoding target);
    std::function<void(const std::string&)> status;

    FileEncoding encoding() const { return file_.encoding(); }
    // The encoding a document made from another one's lines (an extraction) is saved in.
    void setEncoding(FileEncoding encoding) { file_.adopt(encoding); }
    // Typed or pasted UTF-8 text as the lines hold it: a UTF-8 document keeps every character,
    // a Shift-JIS one has '?' for those that missingCharacters names.
    std::string coreText(std::string_view utf8) const;
    // The characters of `utf8` this document cannot store (each once); empty for UTF-8.
    std::string missingCharacters(std::string_view utf8) const;

    int recordCount() const { return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1; }
    // The field names again from line 0 (after a paste or a header change).
    void splitHeader();

    const std::string& pathName() const { return pathName_; }
    std::string backupPath() const;
    std::string layoutPath() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    std::vector<std::string> lines;
    std::vector<std::string> headerNames;
    ColumnWidths columnWidths{};   // characters; a 0 ends the list
    ColumnWidths displayWidths{};  // pixels on screen; 0: ten character widths
    std::vector<std::string> copyList;

  private:
    MessageService& messages_;
    std::string pathName_;
    EncodedLines file_;
    bool modified_ = false;
};

// "CANNOT OPEN" of the document framework.
extern const char* const kCannotOpenDataDocument;

}  // namespace qv
