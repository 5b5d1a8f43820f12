#include "common/font_picker_form.h"

#include <algorithm>

namespace qv {

namespace {

const char* const kSystemFace = "System";
const char* const kJapaneseSample = "あいうえお加喜苦懸庫123ABC";
const char* const kLatinSample = "ABCDab12345*!?";

int rowOf(const std::vector<FontFamily>& faces, const std::string& name) {
    const auto found = std::find_if(faces.begin(), faces.end(),
                                    [&](const FontFamily& face) { return face.name == name; });
    return found == faces.end() ? -1 : static_cast<int>(found - faces.begin());
}

}  // namespace

bool isListedFaceName(const std::string& name) {
    return !name.empty() && name[0] != '%' && name[0] != '&' && name[0] != '@';
}

std::string plainFamilyName(const std::string& name) {
    const size_t open = name.rfind(" [");
    if (open == std::string::npos || open == 0 || name.back() != ']') return name;
    return name.substr(0, open);
}

std::string listText(const FontFamily& face) {
    return face.drawnWith.empty() ? face.name : face.name + " (" + face.drawnWith + ")";
}

FontPickerForm::FontPickerForm(const std::vector<FontFamily>& installed, const FontChoice& preset,
                               bool trueTypeOnly, bool japaneseOnly,
                               const std::string& presetDrawnWith)
    : choice_(preset) {
    for (const FontFamily& family : installed) {
        const std::string name = plainFamilyName(family.name);
        if (!isListedFaceName(name)) continue;
        if (trueTypeOnly && !family.scalable) continue;
        if (japaneseOnly && !family.japanese) continue;
        if (rowOf(faces_, name) >= 0) continue;  // another foundry's family of that name
        faces_.push_back(FontFamily{name, family.scalable, family.japanese});
    }
    selectedRow_ = rowOf(faces_, preset.face);
    if (selectedRow_ < 0) offerStoredFace(plainFamilyName(presetDrawnWith));
    if (selectedRow_ < 0) {
        // "System" stands in for a face that is not offered. The platform draws it with the
        // desktop's own font, so it is offered even where no family has that name; on a
        // Japanese desktop that font covers Shift-JIS.
        selectedRow_ = rowOf(faces_, kSystemFace);
        if (selectedRow_ < 0) {
            faces_.push_back(FontFamily{kSystemFace, true, true});
            selectedRow_ = static_cast<int>(faces_.size()) - 1;
        }
        choice_.face = kSystemFace;
    }
    if (choice_.pointSize < 1 || choice_.pointSize > kMaxPointSize) choice_.pointSize = 10;
}

void FontPickerForm::offerStoredFace(const std::string& drawnWith) {
    const std::string& face = choice_.face;
    // A face that is installed but left out by a filter draws with itself: it is not offered.
    if (!isListedFaceName(face) || face == kSystemFace || face == drawnWith) return;
    const int row = rowOf(faces_, drawnWith);
    if (row < 0) return;
    const FontFamily& family = faces_[static_cast<size_t>(row)];
    const FontFamily stored{face, family.scalable, family.japanese, family.name};
    faces_.insert(faces_.begin() + row, stored);
    selectedRow_ = row;
}

const std::vector<int>& FontPickerForm::sizes() {
    static const std::vector<int> list{8,  9,  10, 11, 12, 14, 16, 18,
                                       20, 22, 24, 26, 28, 36, 48, 72};
    return list;
}

void FontPickerForm::chooseFace(int row) {
    if (row < 0 || row >= static_cast<int>(faces_.size())) return;
    selectedRow_ = row;
    choice_.face = faces_[static_cast<size_t>(row)].name;
}

void FontPickerForm::setPointSize(int pointSize) {
    if (pointSize >= 1 && pointSize <= kMaxPointSize) choice_.pointSize = pointSize;
}

std::string FontPickerForm::sampleText() const {
    const bool japanese = selectedRow_ >= 0 && faces_[static_cast<size_t>(selectedRow_)].japanese;
    return japanese ? kJapaneseSample : kLatinSample;
}

int FontPickerForm::samplePixelSize(int dpi) const {
    // Rounded to the nearest pixel, as the desktop's own conversion does.
    return (choice_.pointSize * dpi + 36) / 72;
}

}  // namespace qv
