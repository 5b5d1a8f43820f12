// The rules of the page-break dialog "ﾌｨｰﾙﾄﾞによる改頁の設定", without widgets.
//
// A new page starts when the value of the chosen data field changes. The field is part of the
// definition; the subtitle brackets ("PB1", "PB2") and the page numbering style ("PageStyle") are
// program settings of the settings file, written when the dialog is confirmed. Texts are
// Shift-JIS.
#pragma once

#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "label/definition/label_definition.h"
#include "label/print/print_settings.h"

namespace qv {

class PageBreakForm {
  public:
    // Reads the brackets and the page style from `settings`, which OK writes back.
    PageBreakForm(const LabelDefinition& definition, ProfileFile settings,
                  MessageService& messages);

    // "改頁を行う": list and field name are usable only while it is ticked.
    void setBreaking(bool on) { breaking_ = on; }

    // The list entry at `row` (0-based) was chosen; an entry without a name selects nothing and
    // the previous selection stays.
    void chooseEntry(int row);

    void setPageStyle(PageStyle style) { pageStyle_ = style; }
    void setOpenBracket(const std::string& textSjis) { openBracket_ = textSjis; }
    void setCloseBracket(const std::string& textSjis) { closeBracket_ = textSjis; }

    // OK: refuses a ticked box without a field (the user is told and the form stays open);
    // otherwise writes the brackets and the page style to the settings file. True when the form
    // may close; the caller then calls storeInto and marks the document modified.
    bool accept();
    void storeInto(LabelDefinition& definition) const;

    const std::vector<std::string>& fieldNames() const { return names_; }
    bool breaking() const { return breaking_; }
    bool listEnabled() const { return breaking_; }
    // The selected field, 1-based; 0 when none is selected.
    int selectedField() const { return selected_; }
    // The name of the selected field; empty when none is selected.
    std::string selectedName() const;
    // The field that OK stores: the selection while the box is ticked, else 0.
    int pageBreakField() const { return breaking_ ? selected_ : 0; }
    PageStyle pageStyle() const { return pageStyle_; }
    const std::string& openBracket() const { return openBracket_; }
    const std::string& closeBracket() const { return closeBracket_; }

  private:
    bool namesEntry(int field) const;

    std::vector<std::string> names_;
    ProfileFile settings_;
    MessageService& messages_;
    bool breaking_;
    int selected_ = 0;
    PageStyle pageStyle_;
    std::string openBracket_;
    std::string closeBracket_;
};

}  // namespace qv
