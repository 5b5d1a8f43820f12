// The rules of the search dialog "検索・ﾌｨｰﾙﾄﾞ置換", without widgets: finding records by the value
// of one field, and replacing that field's whole value, one match at a time or all at once.
//
// The search position survives between steps; a search text that differs from the previous one
// (over the length of the shorter) starts again at the first record, and so does a step after
// the end was reached. The header line is not searched: it belongs to the field names.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/model/rowsmith_doc.h"

namespace qv {

class MessageService;

class SearchReplaceForm {
  public:
    enum class Mode { Search, Replace };
    // What a step ended with.
    enum class Step { Refused, Found, Replaced, Declined, End };

    SearchReplaceForm(CROWSMITHDoc& document, MessageService& messages);
    // The document typed text is converted for (see CROWSMITHDoc::coreText).
    const CROWSMITHDoc& document() const { return document_; }

    // How the grid and the dialog follow; each may be left empty.
    std::function<void(int)> highlightRecord;  // a match
    std::function<void()> documentChanged;     // fields were replaced
    std::function<void(bool)> busy;            // the caption shows "(検索中)" while true

    // The field names of the document (Shift-JIS).
    const std::vector<std::string>& fieldNames() const { return document_.headerNames; }

    // The inputs (Shift-JIS).
    void setFieldName(const std::string& name) { fieldName_ = name; }
    void setSearchText(const std::string& text) { searchText_ = text; }
    void setReplaceText(const std::string& text) { replaceText_ = text; }
    void setMode(Mode mode) { mode_ = mode; }
    void setPrefixMatch(bool on) { prefix_ = on; }
    void setReplaceAll(bool on) { replaceAll_ = on; }

    const std::string& fieldName() const { return fieldName_; }
    Mode mode() const { return mode_; }
    bool prefixMatch() const { return prefix_; }
    bool replaceAll() const { return replaceAll_; }
    // The record where the next step starts.
    size_t nextLine() const { return next_; }

    // "検索": one search step, or in replace mode one replacement (all of them with replace-all).
    Step step();

  private:
    int findField();
    bool matches(const std::string& value) const;
    void restartIfChanged();
    bool replaceAt(size_t line, size_t field);

    CROWSMITHDoc& document_;
    MessageService& messages_;
    std::string fieldName_;
    std::string searchText_;
    std::string replaceText_;
    std::string previousText_;
    Mode mode_ = Mode::Search;
    bool prefix_ = false;
    bool replaceAll_ = false;
    size_t next_ = 1;
};

}  // namespace qv
