#include "label/print/page_break_form.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace qv {

namespace {

const char* const kNoFieldChosen = "フィールドを指定して下さい。！";
// A settings file that cannot be written would lose the brackets and the style without a word.
const char* const kSettingsNotWritten = "設定ファイルに書き込めませんでした。";

std::vector<std::string> listedNames(const DataFileSpec& dataFile) {
    const size_t count = std::min(dataFile.fieldNames.size(), static_cast<size_t>(kMaxFields));
    return {dataFile.fieldNames.begin(),
            dataFile.fieldNames.begin() + static_cast<std::ptrdiff_t>(count)};
}

}  // namespace

PageBreakForm::PageBreakForm(const LabelDefinition& definition, ProfileFile settings,
                             MessageService& messages)
    : names_(listedNames(definition.dataFile)),
      settings_(std::move(settings)),
      messages_(messages),
      breaking_(definition.pageBreakField > 0) {
    // A stored field that names no entry of the list is not shown as selected.
    if (namesEntry(definition.pageBreakField)) selected_ = definition.pageBreakField;
    const PrintSettings stored = readPrintSettings(settings_);
    pageStyle_ = stored.pageStyle;
    openBracket_ = stored.subtitleOpen;
    closeBracket_ = stored.subtitleClose;
}

bool PageBreakForm::namesEntry(int field) const {
    return field >= 1 && field <= static_cast<int>(names_.size()) &&
           isListEntry(names_[static_cast<size_t>(field - 1)]);
}

void PageBreakForm::chooseEntry(int row) {
    if (namesEntry(row + 1)) selected_ = row + 1;
}

std::string PageBreakForm::selectedName() const {
    return selected_ > 0 ? names_[static_cast<size_t>(selected_ - 1)] : std::string();
}

bool PageBreakForm::accept() {
    if (breaking_ && selected_ == 0) {
        messages_.exclamation(kNoFieldChosen);
        return false;
    }
    if (!writePageBreakSettings(settings_, openBracket_, closeBracket_, pageStyle_)) {
        messages_.stop(kSettingsNotWritten);
    }
    return true;
}

void PageBreakForm::storeInto(LabelDefinition& definition) const {
    definition.pageBreakField = pageBreakField();
}

}  // namespace qv
