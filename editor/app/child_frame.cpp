#include "editor/app/child_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QStyle>

#include "editor/dialogs/encoding_file_dialogs.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_text.h"

namespace qv::rowsmith {

namespace {

const QString kFilter = QStringLiteral("ROWSMITH Files (*.csv *.CSV);;全て (*)");
const char* const kReopenQuestion = " への変更は失われます。別の文字コードで開き直しますか？";

}  // namespace

CChildFrame::CChildFrame(ClipboardPort& clipboard, MessageService& messages, int untitledNumber,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      messages_(messages),
      document_(std::make_unique<CROWSMITHDoc>(messages)),
      untitledNumber_(untitledNumber) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    view_ = new CROWSMITHView(*document_, clipboard, messages, this);
    setWidget(view_);
    document_->status = [this](const std::string& text) { emit statusMessage(fromUtf8(text)); };
    connect(view_, &CROWSMITHView::documentChanged, this, &CChildFrame::updateTitle);
    connect(view_, &CROWSMITHView::statusMessage, this, &CChildFrame::statusMessage);
    connect(view_, &CROWSMITHView::activated, this, &CChildFrame::activated);
    updateTitle();
}

CChildFrame::~CChildFrame() = default;

// A new document shows the number the main window gave it; a window still opening its file
// shows a plain "無題" until the file is read.
QString CChildFrame::displayName() const {
    if (document_->pathName().empty()) {
        if (untitledNumber_ == 0) return QStringLiteral("無題");
        return QStringLiteral("無題%1").arg(untitledNumber_);
    }
    return QFileInfo(fromUtf8(document_->pathName())).fileName();
}

// The title carries the modified mark itself: the main window repeats a maximised child's title
// in its own, where a "[*]" placeholder would not be replaced.
void CChildFrame::updateTitle() {
    setWindowTitle(displayName() + (document_->isModified() ? QStringLiteral(" *") : QString()));
}

void CChildFrame::refresh() {
    view_->refreshView();
    updateTitle();
}

// Save, save as and close store an open cell edit first, so no typed text is lost.
bool CChildFrame::save() {
    if (!view_->commitOpenEdit()) return false;
    if (document_->pathName().empty()) return saveAs();
    const std::string path = document_->pathName();
    const bool saved = document_->save(path);
    updateTitle();
    if (saved) emit this->saved(fromUtf8(path));
    return saved;
}

// The encoding chosen with the file; a conversion that would lose characters asks first.
bool CChildFrame::saveAs() {
    if (!view_->commitOpenEdit()) return false;
    const QString name = document_->pathName().empty() ? displayName() + QStringLiteral(".CSV")
                                                       : fromUtf8(document_->pathName());
    const std::optional<SaveRequest> request =
        askSaveAs(this, kFilter, name, document_->encoding());
    if (!request) return false;
    const FileEncoding before = document_->encoding();
    const FileEncoding target = targetOf(request->encoding, before);
    if (!mayConvert(*document_, target, messages_)) return false;
    const bool saved = document_->save(toUtf8(request->path), target);
    if (saved && target.encoding != before.encoding) refresh();  // lacking characters became ?
    updateTitle();
    if (saved) emit this->saved(request->path);
    return saved;
}

// A modified document asks first, as its changes are lost; a failed read keeps it as it was.
bool CChildFrame::reopen(EncodingChoice encoding) {
    if (document_->pathName().empty() || !view_->commitOpenEdit()) return false;
    if (document_->isModified() &&
        !messages_.askYesNo(toUtf8(displayName()) + kReopenQuestion, MessageAnswer::No)) {
        return false;
    }
    if (recordDialog_ != nullptr) recordDialog_->reject();
    const std::string path = document_->pathName();
    if (!document_->open(path, false, encoding)) return false;
    refresh();
    return true;
}

// "%1 への変更を保存しますか？" with Yes, No and Cancel; Yes saves and stops the close when the
// save fails.
bool CChildFrame::maySave() {
    if (!document_->isModified()) return true;
    const MessageAnswer answer =
        messages_.warnYesNoCancel(toUtf8(displayName()) + " への変更を保存しますか？");
    if (answer == MessageAnswer::Cancel) return false;
    return answer == MessageAnswer::No || save();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    // An open cell edit and the record being typed in the record dialog are stored before the
    // save question.
    if (!view_->commitOpenEdit()) {
        event->ignore();
        return;
    }
    if (recordDialog_ != nullptr) recordDialog_->reject();
    if (!maySave()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace qv::rowsmith
