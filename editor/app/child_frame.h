// CChildFrame: one window inside the data editor's main window, holding one document and its
// grid view. Its title is the file's name ("無題" while it has none) with a mark while modified;
// closing a modified document asks whether to save it first, after the record dialog stored what
// it holds.
#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

class BarcodeFieldDialog;
class ClipboardPort;
class CROWSMITHView;
class RecordMaintenanceDialog;
class SearchReplaceDialog;

namespace rowsmith {

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    // `untitledNumber` names a new document ("無題1", ...); a window for a file has none.
    CChildFrame(ClipboardPort& clipboard, MessageService& messages, int untitledNumber = 0,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    CROWSMITHDoc& document() { return *document_; }
    CROWSMITHView& view() { return *view_; }

    // Saves to the document's path, or asks for one first (also for "名前を付けて保存").
    bool save();
    bool saveAs();
    // Reads the document's file again in `encoding` (別の文字コードで開き直す).
    bool reopen(EncodingChoice encoding);
    // After opening, a paste or a change by a dialog: the title and the grid follow.
    void refresh();

    // The name the title shows: the file's name, or "無題" with a number for new documents.
    QString displayName() const;

    // The dialogs that work on this window's document: one of each per window, modeless.
    void openRecordDialog();
    void editFields();
    void openSearchDialog();
    void openBarcodeDialog();
    bool recordDialogOpen() const { return recordDialog_ != nullptr; }

  signals:
    void statusMessage(const QString& text);
    void saved(const QString& path);
    void activated();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool maySave();
    void updateTitle();
    void documentChanged();
    void takeBackFocus();
    // Brings an open dialog forward; false when there is none.
    static bool raise(QDialog* dialog);
    template <typename Dialog>
    void follow(Dialog* dialog);

    MessageService& messages_;
    std::unique_ptr<CROWSMITHDoc> document_;
    CROWSMITHView* view_;
    int untitledNumber_;
    RecordMaintenanceDialog* recordDialog_ = nullptr;
    SearchReplaceDialog* searchDialog_ = nullptr;
    BarcodeFieldDialog* barcodeDialog_ = nullptr;
};

}  // namespace rowsmith
}  // namespace qv
