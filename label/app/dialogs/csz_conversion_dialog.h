// "ＣＳＺファイル変換": makes a CSZ file from a comma-separated data file, by renaming it or by
// copying it under the new extension.
#pragma once

#include <QDialog>

#include "label/app/dialogs/data_file_dialog.h"
#include "label/data/csz_conversion.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace qv {

class CszConversionDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CszConversionDialog(MessageService& messages, QWidget* parent = nullptr);

    // Tests replace the file dialog of "参照".
    void setBrowseHook(BrowseHook hook) { browse_ = std::move(hook); }

    const CszConversion& conversion() const { return conversion_; }
    QPushButton* executeButton() const { return execute_; }

  private:
    void browse();
    void execute();

    CszConversion conversion_;
    BrowseHook browse_;
    QLabel* path_;
    QRadioButton* rename_;
    QRadioButton* copy_;
    QPushButton* execute_;
};

}  // namespace qv
