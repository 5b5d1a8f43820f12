// CROWSMITHView: one data editor document as a scrolling table. One row per record with its
// number on the left, one column per field, the field-name bar above. The mouse picks the
// current row or a range; a column selected in the bar lets cells be edited in place, and a
// click under the last record types a new one. Cut, copy, paste, delete and undo run here
// through RecordEditor; the dialogs the view opens are asked for with commandRequested().
//
// Only the rows in the window are drawn, so a file of a million records scrolls as fast as a
// small one.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>

#include "common/message_service.h"
#include "editor/model/record_editing.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/widgets/grid_geometry.h"

class QMenu;

namespace qv {

class CellEditor;
class FieldNameBar;

class CROWSMITHView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    CROWSMITHView(CROWSMITHDoc& document, ClipboardPort& clipboard, MessageService& messages,
                  QWidget* parent = nullptr);

    // Row height, character width, column widths and scroll extent follow the font.
    void setScreenFont(const QFont& font);
    const QFont& screenFont() const { return screenFont_; }
    // After opening, pasting into or changing the document elsewhere: row 1, nothing selected,
    // nothing to undo, no blank row; the extent and the field-name bar anew.
    void refreshView();
    // The document's size changed (a dialog added or removed records): the extent anew.
    void documentResized();
    // Scrolls record `n` into the window and highlights it.
    void scrollToRecord(int n);
    void setRecordDialogOpen(bool open);
    void setBarcodeDialogOpen(bool open);

    bool canCut() const;
    bool canPaste() const;
    bool canUndo() const { return editor_.canUndo(); }
    RecordEditor& editor() { return editor_; }
    CROWSMITHDoc& document() { return document_; }

    // The pop-up menu of the grid; its actions run the commands.
    void fillContextMenu(QMenu& menu);

    // Index in the field-name bar of the selected column (k is field k - 1), -1 for none.
    int selectedColumn() const { return selectedColumn_; }
    void selectColumn(int index);
    void clearColumnSelection();
    bool rowHighlighted() const { return highlighted_; }
    bool isEditingCell() const { return editing_.active; }
    int editedRow() const { return editing_.row; }
    int editedField() const { return static_cast<int>(editing_.field); }
    CellEditor* cellEditor() const { return cellEditor_; }
    // Stores an open cell edit as Enter does, without going on to the next field (a typed new
    // record becomes a record). False, with the edit left open and the user told why, when the
    // text holds characters that Shift-JIS cannot store; true when nothing was open.
    bool commitOpenEdit();
    FieldNameBar* fieldNameBar() const { return nameBar_; }
    const GridGeometry& geometry() const { return geometry_; }
    // Cell of `row` and `field` in viewport coordinates; field -1 is the record number.
    QRect cellRect(int row, int field) const;

  public slots:
    void cut();
    void copy();
    void paste();
    void deleteRecords();
    void undo();

  signals:
    void commandRequested(int id);
    // The current row or the selected range changed: what cut, copy and delete may do changes.
    void selectionChanged();
    void statusMessage(const QString& text);
    void documentChanged();
    void activated();
    // A click made `row` current (the open record dialog shows it).
    void currentRowChanged(int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    struct Editing {
        bool active = false;
        bool blank = false;  // the new record under the last one
        int row = 0;
        size_t field = 0;
    };

    // Layout and scrolling (rowsmith_view.cpp).
    void relayout();
    void updateScrollRanges();
    void placeNameBar();
    int rowAtViewportY(int y) const;
    int fieldAtViewportX(int x) const;
    void ensureCellVisible(int row, size_t field);
    void leftPress(const QPoint& at);
    bool startsCellEditing(int row, const QPoint& at);
    void afterChange(bool changed);
    void runCommand(int id);
    void showColumnStatus();

    // Drawing (rowsmith_view_paint.cpp).
    void paintNumbers(QPainter& painter, int firstRow, int lastRow) const;
    void paintFields(QPainter& painter, int top, const std::string& line) const;
    void paintMarks(QPainter& painter, int firstRow, int lastRow) const;

    // In-place editing (rowsmith_view_editing.cpp).
    void beginEditing(int row, size_t field, bool blank);
    void placeCellEditor();
    void confirmCell();
    bool storeOpenCell();
    void backTabCell();
    void endEditing();
    QString fieldText(int row, size_t field) const;

    CROWSMITHDoc& document_;
    ClipboardPort& clipboard_;
    MessageService& messages_;
    RecordEditor editor_;
    GridGeometry geometry_;
    QFont screenFont_;
    QFont numberFont_;
    FieldNameBar* nameBar_;
    CellEditor* cellEditor_;
    Editing editing_;
    int selectedColumn_ = -1;
    bool highlighted_ = false;
    bool dragging_ = false;
    int dragStart_ = 0;
    bool recordDialogOpen_ = false;
    bool barcodeDialogOpen_ = false;
};

}  // namespace qv
