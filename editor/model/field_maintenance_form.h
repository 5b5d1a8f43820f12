// The rules of the field dialog "フィールド情報のメンテ", without widgets: the list of field names
// with their widths, adding, inserting, modifying and deleting fields.
//
// The list entries are Shift-JIS texts "%-30s%d" (name padded to 30 bytes, then the width).
// Inserting and deleting a field change every record at once and rebuild the names, widths and
// header line; adding and modifying touch the document only at OK.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/model/rowsmith_doc.h"

namespace qv {

class MessageService;

constexpr size_t kMaxFieldNameBytes = 30;
constexpr int kDefaultFieldWidth = 10;

class FieldMaintenanceForm {
  public:
    // What Enter in the width edit did.
    enum class EnterResult { Nothing, SelectedNext, Added };

    FieldMaintenanceForm(CROWSMITHDoc& document, MessageService& messages);

    // Told after a field was inserted into or deleted from every record.
    std::function<void()> recordsChanged;

    const std::vector<std::string>& entries() const { return entries_; }
    int selected() const { return selected_; }
    const std::string& name() const { return name_; }  // Shift-JIS
    // The width edit's number; nothing when it holds none.
    std::optional<int> width() const { return width_; }
    bool modifyMode() const { return modifyMode_; }
    bool insertAfter() const { return insertAfter_; }
    bool changed() const { return changed_; }

    bool addEnabled() const { return !name_.empty(); }
    bool modifyEnabled() const { return !name_.empty() && selected_ >= 0; }
    bool deleteEnabled() const { return !name_.empty(); }
    bool insertEnabled() const { return !entries_.empty(); }
    // "前に挿入(&I)" or "後に挿入(&I)" (UTF-8).
    std::string insertButtonText() const;

    // Selecting an entry; in modify mode its name and width are loaded into the edits.
    void select(int entry);
    // Typing into the edits; in modify mode they rewrite the selected entry at once.
    void setName(const std::string& nameSjis);
    void setWidth(std::optional<int> width);
    void toggleModifyMode() { modifyMode_ = !modifyMode_; }
    void setInsertAfter(bool after) { insertAfter_ = after; }

    // The buttons. Each gives whether it changed the list; refusals are told and change nothing.
    bool add();
    bool insert();
    bool modify();
    bool remove();
    // Enter in the width edit.
    EnterResult enterInWidth();

    // OK: the names, widths and header line from the list.
    void accept();
    // Cancel: true when the dialog may close (nothing changed, or the user agreed).
    bool cancel();

    // "%-30s%d" of one field; the name (the first 30 bytes without trailing blanks, zero bytes
    // and line ends) and width (0 read as 10) of an entry.
    static std::string entryText(const std::string& name, int width);
    static std::string entryName(const std::string& entry);
    static int entryWidth(const std::string& entry);

  private:
    bool checkInput();
    void rebuild();
    void insertEntry(size_t at);

    CROWSMITHDoc& document_;
    MessageService& messages_;
    std::vector<std::string> entries_;
    std::string name_;
    std::optional<int> width_ = kDefaultFieldWidth;
    int selected_ = -1;
    bool modifyMode_ = false;
    bool insertAfter_ = false;
    bool changed_ = false;
};

}  // namespace qv
