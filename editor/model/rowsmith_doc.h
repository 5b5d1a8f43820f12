// CROWSMITHDoc: one data file open in the data editor, held as its lines.
//
// Line 0 is the header (the field names), lines 1..n the records, each kept as the text of the
// file (Shift-JIS, never pre-split). Beside the data file live its column layout (CSL) and, when
// backups are on, a copy taken at every open (CSB). Paths are local (UTF-8) paths.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/layout_file.h"
#include "common/message_service.h"

namespace qv {

constexpr int kMaxColumns = kLayoutSlots;  // columns that have widths
using ColumnWidths = LayoutWidths;

class CROWSMITHDoc {
  public:
    explicit CROWSMITHDoc(MessageService& messages);

    // An empty document: no header, no records, all widths 0.
    void newDocument();

    // Reads `path`; writes the backup first when `makeBackup`. On failure the user is told and
    // the document is as it was.
    bool open(const std::string& path, bool makeBackup);

    // Writes the lines (without empty ones) and the layout file through temporary files. On
    // failure the user is told, the old file is intact and the document stays modified. The
    // status texts go to `status` when it is set.
    bool save(const std::string& path);
    std::function<void(const std::string&)> status;

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
    bool modified_ = false;
};

// "CANNOT OPEN" of the document framework.
extern const char* const kCannotOpenDataDocument;

}  // namespace qv
