// The rules of the record dialog "レコードメンテ", without widgets: one record shown as a column
// of boxes, one per field, stepping through the records, appending, inserting and deleting.
//
// Every move stores the boxes first. Storing a record rewrites only the fields whose box changed:
// every other field keeps its bytes, quotes and separator. A document with more than 30 fields
// shows the first 29; the fields behind the boxes (and any fields a record has beyond its names)
// stay as they are, so a commit never loses a field.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/model/rowsmith_doc.h"

namespace qv {

class MessageService;

constexpr int kMaxRecordBoxes = 30;

class RecordMaintenanceForm {
  public:
    // What a commit did.
    enum class Commit { Nothing, Stored, Appended, DroppedInsert, LeftAdd };

    RecordMaintenanceForm(CROWSMITHDoc& document, MessageService& messages);
    // The document typed text is converted for (see CROWSMITHDoc::coreText).
    const CROWSMITHDoc& document() const { return document_; }

    // Starts on record `currentRow` (1 when outside the records; add mode without records).
    // False, after "フィールドが定義されていません。", when the document has no field names.
    bool open(int currentRow);

    // How the grid is told to follow; each may be left empty.
    std::function<void(int)> highlightRecord;  // show record n as the current one
    std::function<void()> extentChanged;       // records were added or removed
    std::function<void()> redraw;              // a record's text changed
    std::function<void()> beep;                // a record has more fields than names

    // The boxes: their number, the field names beside them (Shift-JIS) and their texts.
    int boxCount() const { return static_cast<int>(boxes_.size()); }
    const std::string& boxName(int box) const;
    const std::string& box(int box) const;
    void setBox(int box, const std::string& textSjis);
    // Fields of the document not shown in a box (more than 30 fields).
    int hiddenFieldCount() const;

    int count() const { return document_.recordCount(); }
    int position() const { return position_; }
    bool addMode() const { return addMode_; }
    bool insertMode() const { return insertMode_; }
    bool confirmDelete() const { return confirmDelete_; }
    void setConfirmDelete(bool on) { confirmDelete_ = on; }
    bool deleteEnabled() const { return !addMode_; }
    bool insertEnabled() const { return !addMode_; }
    bool closeEnabled() const { return !insertMode_; }
    // What the caption shows after the base caption: "－レコードの追加" etc. (UTF-8).
    const std::string& captionSuffix() const { return captionSuffix_; }

    // Stores the boxes into the document (see Commit).
    Commit commit();

    // The moves; each commits first. Beyond the last record they start add mode.
    void previous();
    void next();
    void first();
    void last();
    void pageUp(int rows);
    void pageDown(int rows);
    void goTo(int record);  // the scroll bar's thumb and the grid's message

    // The buttons "末尾に追加", "削　除" (false when refused or declined) and "上に挿入".
    void startAdd();
    bool removeCurrent();
    void insertAbove();
    // "終了" and any other way of closing: commits.
    void close() { commit(); }

  private:
    void moveTo(int record);
    void load(int record);
    void enterAdd();
    void clearBoxes();
    bool allEmpty() const;
    bool matchesLoaded() const;
    std::string buildLine() const;
    std::string withChangedBoxes(const std::string& line) const;
    void notify(const std::function<void()>& callback) const;
    void highlight(int record) const;

    CROWSMITHDoc& document_;
    MessageService& messages_;
    std::vector<std::string> boxes_;
    std::vector<std::string> loaded_;  // the fields of the loaded record as split
    int position_ = 1;
    bool addMode_ = false;
    bool insertMode_ = false;
    bool confirmDelete_ = true;
    std::string captionSuffix_;
};

}  // namespace qv
