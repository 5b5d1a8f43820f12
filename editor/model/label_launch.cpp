#include "editor/model/label_launch.h"

#include "common/record_line.h"
#include "common/text_format.h"
#include "editor/model/line_files.h"

namespace qv {

namespace {

bool confirmed(const LaunchRequest& request, MessageService& messages) {
    return messages.warnYesNo(
        formatText("%s\nを「%s」で上書きしてQuorviを起動します", request.entry.dataPath.c_str(),
                   request.documentTitle.c_str()),
        MessageAnswer::Yes, "Quorvi起動", Sound::Beep);
}

// The header of D against the document's; an empty or missing D is not checked.
bool headerAccepted(const CROWSMITHDoc& document, const LaunchRequest& request,
                    MessageService& messages) {
    std::vector<std::string> existing;
    ReadLines(request.entry.dataPath, existing);
    if (existing.empty() || headersMatch(document.headerNames, existing.front())) return true;
    messages.exclamation(formatText("%s\nと%sのﾍｯﾀﾞｰは一致しません！",
                                    request.entry.dataPath.c_str(), request.documentTitle.c_str()));
    return false;
}

}  // namespace

std::optional<Association> chosenAssociation(const AssociationList& list, int row,
                                             MessageService& messages) {
    if (row < 0 || static_cast<size_t>(row) >= list.size()) {
        messages.exclamation("ｺﾏﾝﾄﾞを選択して下さい　！");
        return std::nullopt;
    }
    return list.at(static_cast<size_t>(row));
}

bool headersMatch(const std::vector<std::string>& names, const std::string& dataFileHeader) {
    const DataRecord fields = SplitRecordLine(dataFileHeader);
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string field = k < fields.size() ? fields[k] : std::string();
        if (field != names[k]) return false;
    }
    return true;
}

std::string launchCommandLine(const std::string& program, const std::string& definitionPath) {
    return formatText("%s %s", program.c_str(), definitionPath.c_str());
}

LaunchOutcome launchLabelProgram(const CROWSMITHDoc& document, const LaunchRequest& request,
                                 MessageService& messages, const ProcessStarter& start) {
    if (!checkLabelProgramPath(request.labelProgramPath, messages)) return LaunchOutcome::Refused;
    if (!isReadableFile(request.entry.definitionPath)) {
        refuseBadPath(messages, request.entry.definitionPath);
        return LaunchOutcome::Refused;
    }
    if (document.lines.empty()) {
        messages.exclamation("書き出すﾃﾞｰﾀがありません　！");
        return LaunchOutcome::Refused;
    }
    if (request.confirm && !confirmed(request, messages)) return LaunchOutcome::Declined;
    if (!headerAccepted(document, request, messages)) return LaunchOutcome::Refused;
    if (!writeLinesFile(document.lines, request.entry.dataPath, messages)) {
        return LaunchOutcome::Refused;
    }
    if (start(request.labelProgramPath, {request.entry.definitionPath})) {
        return LaunchOutcome::Started;
    }
    messages.exclamation(formatText(
        "%s\nを起動できませんでした　！",
        launchCommandLine(request.labelProgramPath, request.entry.definitionPath).c_str()));
    return LaunchOutcome::StartFailed;
}

}  // namespace qv
