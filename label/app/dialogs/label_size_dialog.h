// "ラベルの位置と大きさ": the paper, the label size, the first label's offset and the column and
// row limits of a sheet. The widget binds its controls to LabelSizeForm, which holds the rules.
#pragma once

#include <QDialog>
#include <functional>

#include "common/message_service.h"
#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"
#include "label/print/label_size_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace qv {

class LabelSizeDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for the free paper size when "自由ｻｲｽﾞ" is chosen; gets the current free size.
    using FreeSizeAsker = std::function<PaperSize(QWidget* parent, PaperSize current)>;

    LabelSizeDialog(const SheetGeometry& sheet, const PaperTable& papers, MessageService& messages,
                    QWidget* parent = nullptr);

    // Replaces the free-size dialog, e.g. to answer it in tests.
    void setFreeSizeAsker(FreeSizeAsker asker) { askFreeSize_ = std::move(asker); }

    // OK: closes only when the label fits the printable area (the form tells the user why not).
    void accept() override;

    const LabelSizeForm& form() const { return form_; }
    // The layout editor's label zoom chosen by "用紙の巾に合わせる"; -1 when it was not touched.
    int labelZoom() const { return labelZoom_; }

    QComboBox* paperBox() const { return paperBox_; }
    QLineEdit* labelWidthEdit() const { return widthEdit_; }
    QLineEdit* labelHeightEdit() const { return heightEdit_; }
    QLineEdit* topEdit() const { return topEdit_; }
    QLineEdit* leftEdit() const { return leftEdit_; }
    QLineEdit* columnLimitEdit() const { return columnsEdit_; }
    QLineEdit* rowLimitEdit() const { return rowsEdit_; }
    QCheckBox* fitToPaperWidthBox() const { return fitBox_; }
    QCheckBox* noFrameLinesBox() const { return noFrameBox_; }
    QLabel* summaryLabel() const { return summary_; }
    QLabel* paperLabel() const { return paperLine_; }

  private:
    void buildLayout();
    void connectControls();
    void connectSizeEdit(QLineEdit* edit, void (LabelSizeForm::*setter)(int));
    void connectLimitEdit(QLineEdit* edit, void (LabelSizeForm::*typeLimit)(int));
    void choosePaper(int index);
    void setFitToPaperWidth(bool on);
    void refresh();

    LabelSizeForm form_;
    FreeSizeAsker askFreeSize_;
    int labelZoom_ = -1;
    bool writingEdits_ = false;  // the dialog is filling edits itself: their handlers keep still

    QComboBox* paperBox_;
    QLineEdit* widthEdit_;
    QLineEdit* heightEdit_;
    QLineEdit* topEdit_;
    QLineEdit* leftEdit_;
    QLineEdit* columnsEdit_;
    QLineEdit* rowsEdit_;
    QCheckBox* fitBox_;
    QCheckBox* noFrameBox_;
    QLabel* summary_;
    QLabel* paperLine_;
};

// Runs the dialog on a copy of the sheet. On OK copies the offsets, the label size, the column
// and row limits, the paper (index and size), "用紙の巾に合わせる" and "枠線を印刷しない" into
// `sheet`, the free size into `papers`, and the label zoom (or -1) into `labelZoom` when given;
// gives true. On Cancel nothing changes.
bool editSheetGeometry(QWidget* parent, SheetGeometry& sheet, PaperTable& papers,
                       MessageService& messages, int* labelZoom);

}  // namespace qv
