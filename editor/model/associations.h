// Associations of the data editor with the label program: named entries that pair a label
// definition (.qvd) with the data file it reads, and the path of the label program itself.
//
// An entry is kept as the text the settings file stores, "\"%s\",\"%s\",\"%s\"" in Shift-JIS:
// command name, definition path, data file path. Here they are UTF-8 (local paths).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"

namespace qv {

struct Association {
    std::string command;
    std::string definitionPath;
    std::string dataPath;
    bool operator==(const Association& o) const {
        return command == o.command && definitionPath == o.definitionPath && dataPath == o.dataPath;
    }
};

// The stored text of an entry; a double quote inside a field is escaped with a backslash, as
// the record-line rules read it back.
std::string formatAssociation(const Association& association);
Association parseAssociation(const std::string& entry);

// The list of entries being edited.
class AssociationList {
  public:
    explicit AssociationList(std::vector<std::string> entries = {});

    const std::vector<std::string>& entries() const { return entries_; }
    size_t size() const { return entries_.size(); }
    Association at(size_t index) const { return parseAssociation(entries_[index]); }
    std::vector<std::string> commandNames() const;

    // The entry of `command`: one named exactly so (ignoring case), else the first whose name
    // begins with it (ignoring case).
    std::optional<size_t> findCommand(const std::string& command) const;
    // The first entry whose data file is `dataPath`.
    std::optional<size_t> findDataFile(const std::string& dataPath) const;

    // Replaces the entry found by findCommand, or appends one; the index it went to.
    size_t store(const Association& association);
    void remove(size_t index);

  private:
    std::vector<std::string> entries_;
};

// The checks of "登録･修正": an empty command name takes `defaultCommand`; then the three
// fields must be filled, the two files readable and every text storable in Shift-JIS, and the
// list must have room for a new entry. Refusals beep and tell why.
bool checkAssociation(Association& association, const std::string& defaultCommand,
                      const AssociationList& list, MessageService& messages);

// "削除": asks, then removes the entry of `command`. False (nothing removed) when the name is
// empty or unknown, or the user says No.
bool deleteAssociation(AssociationList& list, const std::string& command, MessageService& messages);

// The file name of `path` without its folder and its extension: the default command name.
std::string commandNameOf(const std::string& path);

// A regular file this process may read / may run.
bool isReadableFile(const std::string& path);
bool isExecutableFile(const std::string& path);

// "%s\n  は正しいﾊﾟｽではありません　！" with `path`, beeping.
void refuseBadPath(MessageService& messages, const std::string& path);

// True when the label program at `path` can be run; else refused as a bad path.
bool checkLabelProgramPath(const std::string& path, MessageService& messages);

// The label program's path offered when none is stored: `quorvi32` in `ownFolder` when it can
// be run, else the folder alone.
std::string defaultLabelProgramPath(const std::string& ownFolder);

}  // namespace qv
