#include "label/definition/quorvi_doc.h"

#include "common/paths.h"
#include "label/definition/definition_bits.h"
#include "label/definition/definition_file.h"
#include "label/definition/sheet_fit.h"

namespace qv {

CQuorviDoc::CQuorviDoc(MessageService& messages) : messages_(messages) {
    newDocument(0);
}

void CQuorviDoc::newDocument(int lastBarcodeKind) {
    definition_ = newLabelDefinition(lastBarcodeKind);
    // As many labels as fit, as loading fills a zero limit: a new sheet prints its labels
    // before the label-size dialog has ever been confirmed.
    SheetGeometry& sheet = definition_.sheet;
    sheet.maxColumns = fitColumns(sheet);
    sheet.maxRows = fitRows(sheet);
    pathName_.clear();
    modified_ = false;
    dataFileUsable = false;
    cszMode = false;
    dataEncoding = EncodingChoice::Auto;
    bitmaps_ = {};
}

bool CQuorviDoc::openDocument(const std::string& path) {
    switch (loadDefinitionFile(path, definition_)) {
        case DefinitionFileStatus::Ok:
            break;
        case DefinitionFileStatus::UnexpectedFormat:
            messages_.exclamation(kUnexpectedFormatMessage, path);
            return false;
        default:
            messages_.exclamation(kCannotOpenDocumentMessage, path);
            return false;
    }
    pathName_ = path;
    modified_ = false;
    dataEncoding = EncodingChoice::Auto;
    applyLoadedSheet(definition_, papers_);
    loadBitmaps();
    for (const OpenStep& step : openSteps_) step(*this);
    return true;
}

bool CQuorviDoc::saveDocument(const std::string& path) {
    std::string error;
    if (saveDefinitionFile(path, definition_, &error) != DefinitionFileStatus::Ok) {
        messages_.exclamation(std::string(kCannotSaveDocumentMessage) + "\n" + error, path);
        return false;
    }
    pathName_ = path;
    modified_ = false;
    return true;
}

void CQuorviDoc::loadBitmaps() {
    for (size_t slot = 0; slot < bitmaps_.size(); ++slot) {
        BitmapPlacement& placement = definition_.bitmaps[slot];
        bitmaps_[slot] = {};
        if (!isUsed(placement)) continue;
        const std::string local = localFromStoredPath(placement.path, definitionFolder());
        if (LoadBitmapFile(local, bitmaps_[slot]) < 0) {
            placement.path.clear();
            bitmaps_[slot] = {};
        }
    }
}

std::string CQuorviDoc::definitionFolder() const {
    return folderOf(pathName_);
}

}  // namespace qv
