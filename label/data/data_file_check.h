// The data file of a definition: where it is, what its extension makes of it, and the check
// that follows opening a definition.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/message_service.h"
#include "label/definition/quorvi_doc.h"

namespace qv {

struct DataFileModes {
    bool usable = false;  // TXT, CSV or CSZ
    bool csz = false;
};

// From the upper-cased last three characters of the stored path.
DataFileModes dataFileModes(std::string_view storedPath);

// The definition's data file as a local path (a relative one from the definition's folder).
std::string dataFileLocalPath(const CQuorviDoc& document);

// True when `localPath` is a regular file that can be opened for reading.
bool canReadDataFile(const std::string& localPath);

// Data use and CSZ mode as the data file's extension allows: after an open and after the data
// file dialog.
void applyDataFileModes(CQuorviDoc& document);

// After a definition opens: a data file that cannot be read is reported and, unless the program
// prints at start-up, `editDataFile` lets the user correct it and the document counts as
// modified. Then data use and CSZ mode follow the extension.
void checkDataFileOnOpen(CQuorviDoc& document, MessageService& messages, bool startupPrintMode,
                         const std::function<void(CQuorviDoc&)>& editDataFile);

extern const char* const kDataFileMissingMessage;

}  // namespace qv
