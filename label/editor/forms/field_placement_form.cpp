#include "label/editor/forms/field_placement_form.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "label/definition/definition_bits.h"

namespace qv {

namespace {

constexpr const char* kNoSelection = "フィールド項目が選択されていません。";
constexpr const char* kNoPosition = "位置を指定して下さい　！";
constexpr const char* kFontNotRegistered = "フォントの登録ができませんでした";

const std::string kRemovedFace = "System";
constexpr int kRemovedPointSize = 10;

}  // namespace

FieldPlacementForm::FieldPlacementForm(LabelDefinition& definition, MessageService& messages)
    : definition_(definition), messages_(messages) {
    const std::vector<std::string>& names = definition.dataFile.fieldNames;
    const int count = std::min(static_cast<int>(names.size()), kMaxFields);
    for (int index = 0; index < count; ++index) {
        if (isListEntry(names[index])) list_.push_back({index, names[index]});
    }
}

std::string FieldPlacementForm::dataFileLabel() const {
    return "File :" + definition_.dataFile.dataFileName;
}

FieldPlacement& FieldPlacementForm::field() {
    return definition_.fields[static_cast<size_t>(selected_)];
}

const FieldPlacement& FieldPlacementForm::field() const {
    return definition_.fields[static_cast<size_t>(selected_)];
}

void FieldPlacementForm::selectField(int fieldIndex) {
    const bool listed = std::any_of(list_.begin(), list_.end(), [fieldIndex](const auto& entry) {
        return entry.fieldIndex == fieldIndex;
    });
    if (!listed) {
        clearPending();
        return;
    }
    selected_ = fieldIndex;
    loadPending();
}

// The stored values become the pending entry: a placed field can be changed without a new click.
void FieldPlacementForm::loadPending() {
    const FieldPlacement& stored = field();
    xMm_ = stored.xMm;
    yMm_ = isPlaced(stored) ? stored.yMm : -1;
    barWidthMm_ = stored.barWidthMm;
    barHeightMm_ = stored.barHeightMm;
    fontName_ = stored.fontName;
    pointSize_ = stored.pointSize;
    attributes_ = stored.attributes;
    layoutFlags_ = stored.layoutFlags;
    colourIndex_ = stored.colourIndex;
    touched_ = false;
}

void FieldPlacementForm::clearPending() {
    selected_ = -1;
    xMm_ = -1;
    yMm_ = -1;
    barWidthMm_ = 0;
    barHeightMm_ = 0;
    fontName_.clear();
    pointSize_ = 0;
    attributes_ = 0;
    layoutFlags_ = 0;
    colourIndex_ = 0;
    touched_ = false;
}

bool FieldPlacementForm::requireSelection() {
    if (hasSelection()) return true;
    messages_.exclamation(kNoSelection);
    return false;
}

bool FieldPlacementForm::isBarcode() const {
    return barcodeKindOf(attributes_) != BarcodeKind::Text;
}

bool FieldPlacementForm::differsFromStored() const {
    const FieldPlacement& stored = field();
    const bool sizeDiffers =
        isBarcode() && (barWidthMm_ != stored.barWidthMm || barHeightMm_ != stored.barHeightMm);
    const bool fontDiffers = !isBarcode() && fontName_ != stored.fontName;
    return xMm_ != stored.xMm || (xMm_ >= 0 && yMm_ != stored.yMm) || sizeDiffers || fontDiffers ||
           layoutFlags_ != stored.layoutFlags || colourIndex_ != stored.colourIndex;
}

bool FieldPlacementForm::confirmEnabled() const {
    return hasSelection() && (touched_ || differsFromStored());
}

PlacementNotice FieldPlacementForm::chooseBarcode(const BarcodeKindHook& askKind) {
    if (!hasSelection() || !askKind) return PlacementNotice::None;
    if (!askKind(definition_, selected_, layoutFlags_)) return PlacementNotice::None;
    attributes_ = field().attributes;
    touched_ = true;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::chooseText() {
    if (!hasSelection()) return PlacementNotice::None;
    const bool wasBarcode = isBarcode();
    setBarcodeKind(field(), BarcodeKind::Text);
    attributes_ = field().attributes;
    layoutFlags_ &= ~kFacesLeftFlag;  // the direction of the bars means nothing to text
    touched_ = touched_ || wasBarcode;
    return wasBarcode ? PlacementNotice::EntryChanged : PlacementNotice::None;
}

// The size and the style take effect at once; the face waits for "項目の確定".
PlacementNotice FieldPlacementForm::changeFont(const FontPicker& askFont) {
    if (!requireSelection() || !askFont) return PlacementNotice::None;
    const FontChoice current{fontName_, pointSize_, bold(), italic(), underline()};
    const std::string& name = definition_.dataFile.fieldNames[static_cast<size_t>(selected_)];
    const std::optional<FontChoice> chosen =
        askFont("「" + sjis::toUtf8(name) + "」のフォント", current);
    if (!chosen) return PlacementNotice::None;
    fontName_ = chosen->face;
    pointSize_ = chosen->pointSize;
    field().pointSize = chosen->pointSize;
    setTextStyle(field(), {chosen->bold, chosen->italic, chosen->underline});
    attributes_ = field().attributes;
    touched_ = true;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::confirm() {
    if (!requireSelection()) return PlacementNotice::None;
    if (xMm_ < 0 || yMm_ < 0) {
        messages_.exclamation(kNoPosition);
        return PlacementNotice::None;
    }
    // An empty face has no entry in the face list; the stored one stays.
    if (!isBarcode() && fontName_.empty()) messages_.stop(kFontNotRegistered);
    field() = pendingPlacement();
    clearPending();
    return PlacementNotice::EntryStored;
}

FieldPlacement FieldPlacementForm::pendingPlacement() const {
    if (!hasSelection()) return FieldPlacement{};
    FieldPlacement placed = field();
    placed.xMm = xMm_;
    placed.yMm = yMm_;
    placed.colourIndex = colourIndex_;
    placed.layoutFlags = layoutFlags_;
    if (isBarcode()) {
        placed.barWidthMm = barWidthMm_;
        placed.barHeightMm = barHeightMm_;
    } else {
        placed.barWidthMm = 0;
        placed.barHeightMm = 0;
        if (!fontName_.empty()) placed.fontName = fontName_;
        placed.pointSize = pointSize_;
    }
    return placed;
}

PlacementNotice FieldPlacementForm::removeFromLabel() {
    if (!requireSelection()) return PlacementNotice::None;
    FieldPlacement& stored = field();
    stored.xMm = -1;
    stored.yMm = 0;
    stored.barWidthMm = 0;
    stored.barHeightMm = 0;
    stored.fontName = kRemovedFace;
    stored.pointSize = kRemovedPointSize;
    stored.layoutFlags &= ~kAlignmentFlags;
    loadPending();
    return PlacementNotice::EntryStored;
}

// A click gives the position; a dragged rectangle also gives the size of the bars.
PlacementNotice FieldPlacementForm::pickPosition(int xMm, int yMm, int widthMm, int heightMm) {
    if (!hasSelection()) return PlacementNotice::None;
    xMm_ = xMm;
    yMm_ = yMm;
    if (widthMm != 0) barWidthMm_ = widthMm;
    if (heightMm != 0) barHeightMm_ = heightMm;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::setPosition(int xMm, int yMm) {
    if (!hasSelection() || (xMm == xMm_ && yMm == yMm_)) return PlacementNotice::None;
    xMm_ = xMm;
    yMm_ = yMm;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::setBarSize(int widthMm, int heightMm) {
    if (!hasSelection() || (widthMm == barWidthMm_ && heightMm == barHeightMm_)) {
        return PlacementNotice::None;
    }
    barWidthMm_ = widthMm;
    barHeightMm_ = heightMm;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::chooseAlignment(PlacementAlignment alignment) {
    if (!hasSelection() || isBarcode()) return PlacementNotice::None;
    const int bits = alignment == PlacementAlignment::Centre  ? kCentredFlag
                     : alignment == PlacementAlignment::Right ? kRightAlignedFlag
                                                              : 0;
    layoutFlags_ = (layoutFlags_ & ~kAlignmentFlags) | bits;
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::setVertical(bool on) {
    if (!hasSelection() || isBarcode()) return PlacementNotice::None;
    layoutFlags_ = withBit(layoutFlags_, kVerticalFlag, on);
    return PlacementNotice::EntryChanged;
}

PlacementNotice FieldPlacementForm::chooseColour(int index) {
    if (!hasSelection() || index < 0 || index >= kColourCount) return PlacementNotice::None;
    colourIndex_ = index;
    return PlacementNotice::EntryChanged;
}

PlacementAlignment FieldPlacementForm::alignment() const {
    if (isCentred(layoutFlags_)) return PlacementAlignment::Centre;
    if (isRightAligned(layoutFlags_)) return PlacementAlignment::Right;
    return PlacementAlignment::Left;
}

const char* FieldPlacementForm::firstAlignmentLabel() const {
    return vertical() ? "上" : "左";
}

const char* FieldPlacementForm::lastAlignmentLabel() const {
    return vertical() ? "下" : "右";
}

}  // namespace qv
