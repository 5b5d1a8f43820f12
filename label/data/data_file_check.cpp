#include "label/data/data_file_check.h"

#include "common/paths.h"
#include "common/sjis_text.h"
#include "label/data/line_reader.h"

namespace qv {

const char* const kDataFileMissingMessage = "データファイルが存在しません、確認して下さい　！！";

DataFileModes dataFileModes(std::string_view storedPath) {
    const std::string extension = sjis::upperLastThree(storedPath);
    DataFileModes modes;
    modes.csz = extension == "CSZ";
    modes.usable = modes.csz || extension == "CSV" || extension == "TXT";
    return modes;
}

std::string dataFileLocalPath(const CQuorviDoc& document) {
    return localFromStoredPath(document.definition().dataFile.dataFilePath,
                               document.definitionFolder());
}

bool canReadDataFile(const std::string& localPath) {
    LineReader reader;
    return reader.open(localPath);
}

void checkDataFileOnOpen(CQuorviDoc& document, MessageService& messages, bool startupPrintMode,
                         const std::function<void(CQuorviDoc&)>& editDataFile) {
    if (!canReadDataFile(dataFileLocalPath(document))) {
        messages.exclamation(kDataFileMissingMessage);
        if (!startupPrintMode && editDataFile) {
            editDataFile(document);
            document.setModified();
        }
    }
    applyDataFileModes(document);
}

void applyDataFileModes(CQuorviDoc& document) {
    const DataFileModes modes = dataFileModes(document.definition().dataFile.dataFilePath);
    document.dataFileUsable = modes.usable;
    document.cszMode = modes.csz;
}

}  // namespace qv
