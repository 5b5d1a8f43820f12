// The dialog "抽出方法" and the whole extraction command: choose the method, extract in its
// dialog, and hand the records taken to the main window for a new document.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "common/message_service.h"
#include "editor/model/extraction.h"

class QRadioButton;

namespace qv {

class ExtractionMethodDialog : public QDialog {
    Q_OBJECT

  public:
    ExtractionMethodDialog(const CROWSMITHDoc& source, MessageService& messages,
                           QWidget* parent = nullptr);

    // Runs an extraction dialog and gives its result code; exec() unless replaced (tests).
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    bool byField() const;
    // The records taken once the dialog ended with "選択" after "終了"; handed over once.
    std::optional<ExtractedRecords> takeResult() { return buffer_.take(); }

  public slots:
    // "選択": opens the chosen extraction dialog; its "終了" ends this dialog too, Escape
    // comes back here.
    void accept() override;

  private:
    const CROWSMITHDoc& source_;
    MessageService& messages_;
    ExtractionBuffer buffer_;
    DialogRunner runner_;
    QRadioButton* serial_;
    QRadioButton* field_;
};

// The extraction command. The lines, names and widths for a new document when records were
// extracted; nothing when the user cancelled or the runs found no source records.
std::optional<ExtractedRecords> runExtraction(QWidget* parent, const CROWSMITHDoc& source,
                                              MessageService& messages);

}  // namespace qv
