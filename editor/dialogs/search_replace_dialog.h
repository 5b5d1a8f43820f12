// The search dialog "検索・ﾌｨｰﾙﾄﾞ置換": a modeless dialog that finds records by the value of one
// field and can replace that field's whole value. The widgets only bind to SearchReplaceForm.
#pragma once

#include "editor/dialogs/modeless_dialog.h"
#include "editor/model/search_replace_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qv {

class SearchReplaceDialog : public ModelessDialog {
    Q_OBJECT

  public:
    SearchReplaceDialog(CROWSMITHDoc& document, MessageService& messages,
                        QWidget* parent = nullptr);

    const SearchReplaceForm& form() const { return form_; }

  public slots:
    // "検索": one step.
    void search();

  signals:
    void highlightRecord(int record);  // a match: make it the grid's current row
    void documentChanged();            // fields were replaced: redraw

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLayout* buildTexts();
    QLayout* buildModes();
    void showMode();

    SearchReplaceForm form_;
    QString title_;
    QLineEdit* fieldEdit_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QLineEdit* replaceEdit_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QRadioButton* searchMode_ = nullptr;
    QRadioButton* replaceMode_ = nullptr;
    QCheckBox* prefixBox_ = nullptr;
    QCheckBox* replaceAllBox_ = nullptr;
};

}  // namespace qv
