// Launching the label program on the active document: the document is written into the data
// file of an association, after its header was compared with the file's, and the label program
// is started on the association's definition.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "editor/model/associations.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

// Starts `program` with `arguments` without waiting for it; false when it could not start.
using ProcessStarter =
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;

struct LaunchRequest {
    Association entry;             // D = entry.dataPath, Q = entry.definitionPath
    std::string documentTitle;     // UTF-8, as the window shows it
    std::string labelProgramPath;  // local path
    bool confirm = true;           // "確認ﾒｯｾｰｼﾞ": ask before overwriting D
};

enum class LaunchOutcome { Started, Declined, Refused, StartFailed };

// The association of the launch list's row `row`; a row outside the list (nothing chosen) is
// refused with a message.
std::optional<Association> chosenAssociation(const AssociationList& list, int row,
                                             MessageService& messages);

// Checks the label program and Q, asks when `confirm`, compares the headers, writes the
// document to D and starts the label program with Q as its one argument. Every refusal tells the
// user, writes nothing and starts nothing.
LaunchOutcome launchLabelProgram(const CROWSMITHDoc& document, const LaunchRequest& request,
                                 MessageService& messages, const ProcessStarter& start);

// True when the data file's first line (split as a record) has the document's field names in
// order; fields of the file beyond the names are not compared.
bool headersMatch(const std::vector<std::string>& names, const std::string& dataFileHeader);

// The command line the user is shown: "%s %s", the program and the definition.
std::string launchCommandLine(const std::string& program, const std::string& definitionPath);

}  // namespace qv
