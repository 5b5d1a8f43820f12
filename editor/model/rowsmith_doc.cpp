#include "editor/model/rowsmith_doc.h"

#include "common/paths.h"
#include "common/record_line.h"
#include "common/text_format.h"
#include "editor/model/line_files.h"

namespace qv {

const char* const kCannotOpenDataDocument = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";

CROWSMITHDoc::CROWSMITHDoc(MessageService& messages) : messages_(messages) {}

void CROWSMITHDoc::newDocument() {
    lines.clear();
    headerNames.clear();
    columnWidths.fill(0);
    displayWidths.fill(0);
    pathName_.clear();
    modified_ = false;
}

bool CROWSMITHDoc::open(const std::string& path, bool makeBackup) {
    std::vector<std::string> read;
    if (ReadLines(path, read) != ReadLinesStatus::Ok) {
        messages_.exclamation(kCannotOpenDataDocument, path);
        return false;
    }
    if (read.empty()) {
        Message empty;
        empty.text = "このファイルは空のファイルです";
        empty.caption = path;
        empty.beep = true;
        messages_.show(empty);
        return false;
    }
    newDocument();
    pathName_ = path;
    lines = std::move(read);
    if (makeBackup) WriteLines(lines, backupPath(), messages_);
    readLayoutFile(layoutPath(), columnWidths);
    splitHeader();
    return true;
}

bool CROWSMITHDoc::save(const std::string& path) {
    if (status) status(formatText("%s 保存中です........", path.c_str()));
    if (!writeLinesFile(lines, path, messages_)) {
        if (status) status("");
        return false;
    }
    pathName_ = path;
    writeLinesFile({formatLayoutLine(columnWidths)}, layoutPath(), messages_);
    if (status) status(formatText("%s 保存完了", path.c_str()));
    modified_ = false;
    return true;
}

void CROWSMITHDoc::splitHeader() {
    SplitHeader(lines, headerNames);
}

std::string CROWSMITHDoc::backupPath() const {
    return companionPath(pathName_, "CSB");
}

std::string CROWSMITHDoc::layoutPath() const {
    return companionPath(pathName_, "CSL");
}

}  // namespace qv
