// The page-break dialog "ﾌｨｰﾙﾄﾞによる改頁の設定": the data field whose change starts a new page,
// the page numbering style and the subtitle brackets. The widgets only bind to PageBreakForm.
#pragma once

#include <QDialog>

#include "label/print/page_break_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace qv {

class PageBreakDialog : public QDialog {
    Q_OBJECT

  public:
    // The brackets and the style come from and go to `settings`, the program's settings file; OK
    // stores the break field into `definition` and the caller marks the document modified.
    PageBreakDialog(LabelDefinition& definition, ProfileFile settings, MessageService& messages,
                    QWidget* parent = nullptr);

    const PageBreakForm& form() const { return form_; }

  public slots:
    void accept() override;

  private:
    QWidget* buildFieldPart();
    QWidget* buildStylePart();
    QWidget* buildBracketGroup();
    void showState();

    LabelDefinition& definition_;
    PageBreakForm form_;
    QCheckBox* breakingBox_;
    QListWidget* fieldList_;
    QLabel* fieldName_;
    QRadioButton* perGroupButton_;
    QRadioButton* runningButton_;
};

}  // namespace qv
