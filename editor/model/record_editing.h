// The record commands of the data editor's grid, without widgets: the current row and the
// selected range, cut, copy, paste, delete and one level of undo, storing a cell edited in place
// and the blank row that becomes a new record.
//
// Rows are record numbers from 1 (line k of the document is record k). The clipboard is reached
// through ClipboardPort, so the rules run the same with the system clipboard and in tests.
#pragma once

#include <string>
#include <vector>

#include "common/clipboard_port.h"
#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

enum class UndoKind { None = 0, Cut = 1, Paste = 2 };

// What the user is told when a text holds characters that Shift-JIS cannot store (UTF-8).
std::string unencodableMessage(const std::string& charactersUtf8);

class RecordEditor {
  public:
    RecordEditor(CROWSMITHDoc& document, ClipboardPort& clipboard, MessageService& messages);

    // As after opening or refreshing: row 1, no range, nothing to undo, no blank row.
    void reset();

    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row);
    // A range of records in either direction; first == last selects that one record.
    void selectRange(int first, int last);
    void clearSelection() { rangeSelected_ = false; }
    bool rangeSelected() const { return rangeSelected_; }
    int rangeFirst() const;
    int rangeLast() const;

    // Cut, copy and delete work on the range, or else on the current row.
    bool canCut(bool recordDialogOpen) const;
    bool canUndo() const { return undoKind_ != UndoKind::None; }
    UndoKind undoKind() const { return undoKind_; }
    void forgetUndo() { undoKind_ = UndoKind::None; }

    bool copy();
    bool cut();
    // Inserts the clipboard's records before the current row; the messages and questions of a
    // refused or doubtful paste go through the message service.
    bool paste();
    bool remove();
    bool undo();

    // Stores `value` into field `field` (from 0) of record `row`. A record with fewer fields is
    // first given the missing empty fields. True when the line changed (the document is then
    // marked modified).
    bool storeField(int row, size_t field, const std::string& value);

    // The blank row under the last record: an empty record with one field per name.
    void startBlankRow();
    const std::string& blankRow() const { return blankRow_; }
    bool blankRowActive() const { return blankRowActive_; }
    void setBlankField(size_t field, const std::string& value);
    // Appends the blank row as a record when any field was entered; gives whether it did.
    bool commitBlankRow();
    void dropBlankRow();

    // The widths kept by the last copy, for a paste into an empty document.
    static ColumnWidths copiedWidths;

  private:
    bool copyRange(int first, int last);
    bool insertLines(const std::vector<std::string>& lines, size_t from);
    bool takeHeader(const std::string& firstLine);
    void eraseRecords(int first, int count);

    CROWSMITHDoc& document_;
    ClipboardPort& clipboard_;
    MessageService& messages_;
    int currentRow_ = 1;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    bool rangeSelected_ = false;
    UndoKind undoKind_ = UndoKind::None;
    int undoPosition_ = 0;
    int undoCount_ = 0;
    std::string blankRow_;
    bool blankRowActive_ = false;
    bool blankRowEntered_ = false;
};

}  // namespace qv
