#include "editor/model/associations.h"

#include <sys/stat.h>
#include <unistd.h>

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"
#include "editor/model/rowsmith_settings.h"

namespace qv {

namespace {

std::string escapedQuotes(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"') out += '\\';
        out += c;
    }
    return out;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return sjis::asciiUpper(a) == sjis::asciiUpper(b);
}

bool beginsIgnoringCase(const std::string& text, const std::string& start) {
    return sjis::asciiUpper(text).compare(0, start.size(), sjis::asciiUpper(start)) == 0;
}

// Tells the user why and gives false, for the checks to return.
bool refuse(MessageService& messages, const std::string& text) {
    messages.exclamation(text);
    return false;
}

bool regularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string formatAssociation(const Association& a) {
    return formatText("\"%s\",\"%s\",\"%s\"", escapedQuotes(sjis::fromUtf8(a.command)).c_str(),
                      escapedQuotes(sjis::fromUtf8(a.definitionPath)).c_str(),
                      escapedQuotes(sjis::fromUtf8(a.dataPath)).c_str());
}

Association parseAssociation(const std::string& entry) {
    const DataRecord fields = SplitRecordLine(entry);
    auto field = [&fields](size_t k) {
        return k < fields.size() ? sjis::toUtf8(fields[k]) : std::string();
    };
    return {field(0), field(1), field(2)};
}

AssociationList::AssociationList(std::vector<std::string> entries) : entries_(std::move(entries)) {}

std::vector<std::string> AssociationList::commandNames() const {
    std::vector<std::string> names;
    for (const std::string& entry : entries_) names.push_back(parseAssociation(entry).command);
    return names;
}

std::optional<size_t> AssociationList::findCommand(const std::string& command) const {
    const std::vector<std::string> names = commandNames();
    for (size_t k = 0; k < names.size(); ++k) {
        if (sameIgnoringCase(names[k], command)) return k;
    }
    for (size_t k = 0; k < names.size(); ++k) {
        if (beginsIgnoringCase(names[k], command)) return k;
    }
    return std::nullopt;
}

std::optional<size_t> AssociationList::findDataFile(const std::string& dataPath) const {
    for (size_t k = 0; k < entries_.size(); ++k) {
        if (parseAssociation(entries_[k]).dataPath == dataPath) return k;
    }
    return std::nullopt;
}

size_t AssociationList::store(const Association& association) {
    const std::string entry = formatAssociation(association);
    if (const std::optional<size_t> found = findCommand(association.command)) {
        entries_[*found] = entry;
        return *found;
    }
    entries_.push_back(entry);
    return entries_.size() - 1;
}

void AssociationList::remove(size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<long>(index));
}

void refuseBadPath(MessageService& messages, const std::string& path) {
    refuse(messages, formatText("%s\n  は正しいﾊﾟｽではありません　！", path.c_str()));
}

bool checkLabelProgramPath(const std::string& path, MessageService& messages) {
    if (isExecutableFile(path)) return true;
    refuseBadPath(messages, path);
    return false;
}

bool checkAssociation(Association& a, const std::string& defaultCommand,
                      const AssociationList& list, MessageService& messages) {
    if (a.command.empty()) a.command = defaultCommand;
    if (a.command.empty()) return refuse(messages, "ｺﾏﾝﾄﾞ名を入力して下さい　！");
    if (a.definitionPath.empty()) {
        return refuse(messages, "定義ﾌｧｲﾙのパスを指定して下さい　！");
    }
    if (a.dataPath.empty()) return refuse(messages, "ﾃﾞｰﾀﾌｧｲﾙのﾊﾟｽを入力して下さい　！");
    for (const std::string* path : {&a.definitionPath, &a.dataPath}) {
        if (!isReadableFile(*path)) {
            refuseBadPath(messages, *path);
            return false;
        }
    }
    for (const std::string* text : {&a.command, &a.definitionPath, &a.dataPath}) {
        bool lossless = true;
        sjis::fromUtf8(*text, &lossless);
        if (!lossless) {
            return refuse(messages, formatText("%s\n  には設定ﾌｧｲﾙに保存できない文字があります　！",
                                               text->c_str()));
        }
    }
    if (!list.findCommand(a.command) && list.size() >= static_cast<size_t>(kMaxAssociations)) {
        return refuse(messages, formatText("登録できるのは %d 件までです　！", kMaxAssociations));
    }
    return true;
}

bool deleteAssociation(AssociationList& list, const std::string& command,
                       MessageService& messages) {
    if (command.empty()) return refuse(messages, "ｺﾏﾝﾄﾞ名を入力して下さい　！");
    const std::optional<size_t> found = list.findCommand(command);
    if (!found) {
        return refuse(messages, formatText("%s は登録されていません　！", command.c_str()));
    }
    if (!messages.warnYesNo("削除しますか　？", MessageAnswer::No, "登録の削除")) return false;
    list.remove(*found);
    return true;
}

std::string commandNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

bool isReadableFile(const std::string& path) {
    return regularFile(path) && access(path.c_str(), R_OK) == 0;
}

bool isExecutableFile(const std::string& path) {
    return regularFile(path) && access(path.c_str(), X_OK) == 0;
}

std::string defaultLabelProgramPath(const std::string& ownFolder) {
    const bool endsInSlash = !ownFolder.empty() && ownFolder.back() == '/';
    const std::string candidate = ownFolder + (endsInSlash ? "" : "/") + "quorvi32";
    return isExecutableFile(candidate) ? candidate : ownFolder;
}

}  // namespace qv
