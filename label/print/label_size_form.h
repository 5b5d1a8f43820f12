// The rules of the label-size dialog "ラベルの位置と大きさ", without widgets.
//
// The form works on a copy of the sheet. After every change the column and row limits are
// recalculated: a limit of 0 or one beyond what fits becomes the most that fits. Changing the
// paper, the label size or an offset first resets both limits, so they come back as the new
// maximum. The widget binds its controls to the setters and re-reads the state afterwards.
#pragma once

#include <string>

#include "common/message_service.h"
#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"

namespace qv {

class LabelSizeForm {
  public:
    LabelSizeForm(const SheetGeometry& sheet, const PaperTable& papers, MessageService& messages);

    // The paper chosen by its display name; a name that is none of the fixed kinds means the free
    // size (the widget then asks for it with the free-size dialog and calls setFreeSize).
    void choosePaper(const std::string& displayName);
    void setFreeSize(int widthMm, int heightMm);

    void setLabelWidth(int mm);
    void setLabelHeight(int mm);
    void setFirstLabelLeft(int mm);
    void setFirstLabelTop(int mm);

    // A limit typed by the user: one beyond what fits is refused with a message and the maximum
    // is put back; 0 becomes 1.
    void typeColumnLimit(int columns);
    void typeRowLimit(int rows);

    // "用紙の巾に合わせる": on, the label width becomes the printable paper width and its edit is
    // locked. Returns the label zoom for the layout editor: 50 for the landscape kinds, 70 for the
    // others, 100 when switched off.
    int setFitToPaperWidth(bool on);
    void setNoFrameLines(bool on) { sheet_.noFrameLines = on ? 1 : 0; }

    // OK: refuses a label that does not fit the printable area (the user is told and the form
    // stays open); true when the form may close.
    bool accept();

    const SheetGeometry& sheet() const { return sheet_; }
    const PaperTable& papers() const { return papers_; }
    bool labelWidthEditable() const { return sheet_.fitToPaperWidth == 0; }
    int fitColumnCount() const;
    int fitRowCount() const;

    // "Ａ４よこ  横 6列   縦 9列  １頁当たり 54枚" and "ｻｲｽﾞ 297mm×210mm".
    std::string summaryLine() const;
    std::string paperLine() const;

  private:
    void selectPaper(int paperIndex);
    void resetLimits();
    void recalculate();

    SheetGeometry sheet_;
    PaperTable papers_;
    MessageService& messages_;
};

}  // namespace qv
