#include "label/definition/definition_file.h"

#include "common/file_io.h"
#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/bar_serial.h"
#include "label/definition/sheet_fit.h"

namespace qv {

const char* const kUnexpectedFormatMessage = "予期しないﾌｧｲﾙ形式です。";
const char* const kCannotOpenDocumentMessage = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";
const char* const kCannotSaveDocumentMessage = "ﾄﾞｷｭﾒﾝﾄを保存することに失敗しました。";

DefinitionFileStatus loadDefinitionFile(const std::string& path, LabelDefinition& definition) {
    std::string bytes;
    if (readWholeFile(path, bytes, kLargestDefinitionFile) != ReadStatus::Ok)
        return DefinitionFileStatus::CannotOpen;
    CBarSerial record;
    if (!record.Load(bytes, definition)) return DefinitionFileStatus::UnexpectedFormat;
    return DefinitionFileStatus::Ok;
}

DefinitionFileStatus saveDefinitionFile(const std::string& path, const LabelDefinition& definition,
                                        std::string* error) {
    CBarSerial record(definition.lastBarcodeKind);
    const std::string bytes = record.Store(definition);
    return writeFileAtomically(path, bytes, error) ? DefinitionFileStatus::Ok
                                                   : DefinitionFileStatus::CannotWrite;
}

void applyLoadedSheet(LabelDefinition& definition, PaperTable& papers) {
    SheetGeometry& sheet = definition.sheet;
    // The fixed paper kinds keep their table sizes; a definition still prints on the size that
    // its file holds, since the geometry reads the definition's own paper size.
    if (sheet.paperIndex < 0 || sheet.paperIndex >= kFreePaperIndex) {
        papers.setFreeSize({sheet.paperWidthMm, sheet.paperHeightMm});
    }
    if (sheet.maxColumns == 0) sheet.maxColumns = fitColumns(sheet);
    if (sheet.maxRows == 0) sheet.maxRows = fitRows(sheet);
}

bool isDefinitionFileName(const std::string& path) {
    return sjis::upperLastThree(path) == "QVD";
}

std::string notADefinitionFileMessage(const std::string& path) {
    return formatText("%s はQuorviが扱えるファイルではありません", path.c_str());
}

}  // namespace qv
