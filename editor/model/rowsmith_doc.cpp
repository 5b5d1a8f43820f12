#include "editor/model/rowsmith_doc.h"

#include "common/paths.h"
#include "common/record_line.h"
#include "common/sjis_text.h"
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
    file_ = EncodedLines();
    modified_ = false;
}

bool CROWSMITHDoc::open(const std::string& path, bool makeBackup, EncodingChoice choice) {
    std::vector<std::string> read;
    LineEndings endings;
    if (ReadLines(path, read, endings) != ReadLinesStatus::Ok) {
        messages_.exclamation(kCannotOpenDataDocument, path);
        return false;
    }
    if (read.empty()) {
        messages_.exclamation("このファイルは空のファイルです", path);
        return false;
    }
    newDocument();
    pathName_ = path;
    file_.decode(read, encodingOfLines(choice, read, endings), endings);
    lines = std::move(read);
    if (makeBackup) writeBytesFile(file_.encode(lines, encoding()), backupPath(), messages_);
    readLayoutFile(layoutPath(), columnWidths);
    splitHeader();
    return true;
}

bool CROWSMITHDoc::save(const std::string& path) {
    return save(path, encoding());
}

bool CROWSMITHDoc::save(const std::string& path, FileEncoding target) {
    if (status) status(formatText("%s 保存中です........", path.c_str()));
    if (!writeBytesFile(file_.encode(lines, target), path, messages_)) {
        if (status) status("");
        return false;
    }
    if (target.encoding == TextEncoding::ShiftJis && encoding().encoding == TextEncoding::Utf8) {
        for (std::string& line : lines) line = shiftJisLine(line);
        splitHeader();
    }
    file_.adopt(target);
    pathName_ = path;
    writeLinesFile({formatLayoutLine(columnWidths)}, layoutPath(), messages_);
    if (status) status(formatText("%s 保存完了", path.c_str()));
    modified_ = false;
    return true;
}

std::string CROWSMITHDoc::coreText(std::string_view utf8) const {
    return encoding().encoding == TextEncoding::Utf8 ? utf8ToCore(utf8) : sjis::fromUtf8(utf8);
}

std::string CROWSMITHDoc::missingCharacters(std::string_view utf8) const {
    if (encoding().encoding == TextEncoding::Utf8) return {};
    return sjis::unencodableCharacters(utf8);
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
