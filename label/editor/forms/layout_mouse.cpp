#include "label/editor/forms/layout_mouse.h"

#include <algorithm>

#include "common/text_format.h"
#include "label/definition/definition_bits.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

bool contains(const LogicalRect& r, LogicalPoint p) {
    return r.right > r.left && p.x >= r.left && p.x <= r.right && p.y <= r.top && p.y >= r.bottom;
}

std::string positionStatus(const LayoutMm& mm) {
    return formatText("位置  %d mm × %d mm", mm.x, mm.y);
}

}  // namespace

void LayoutMouse::setMode(LayoutMode mode) {
    mode_ = mode;
    if (mode == LayoutMode::Line) rubber_ = false;
}

void LayoutMouse::endSettingMode() {
    mode_ = LayoutMode::Normal;
    selectedField_ = selectedLiteral_ = -1;
}

void LayoutMouse::selectField(int index) {
    selectedField_ = index >= 0 && index < kMaxFields ? index : -1;
    selectedLiteral_ = -1;
}

void LayoutMouse::selectLiteral(int slot) {
    selectedLiteral_ = slot >= 0 && slot < kMaxLiterals ? slot : -1;
    selectedField_ = -1;
}

bool LayoutMouse::inHitArea(LogicalPoint at) const {
    return inLayoutHitArea(at.x, at.y, z_, definition_.sheet);
}

bool LayoutMouse::onLabel(LogicalPoint at) const {
    return contains(areas_.label, at);
}

LayoutCursor LayoutMouse::cursorAt(LogicalPoint at) const {
    if (!inHitArea(at)) return LayoutCursor::Arrow;
    if (draggingField_ >= 0 || draggingLiteral_ >= 0) return LayoutCursor::Move;
    if (mode_ == LayoutMode::Line) return LayoutCursor::Line;
    if (mode_ == LayoutMode::Literal) return LayoutCursor::Literal;
    const bool overSelection =
        (selectedField_ >= 0 && contains(areas_.fields[static_cast<size_t>(selectedField_)], at)) ||
        (selectedLiteral_ >= 0 &&
         contains(areas_.literals[static_cast<size_t>(selectedLiteral_)], at));
    return overSelection ? LayoutCursor::Move : LayoutCursor::Cross;
}

std::optional<LogicalRect> LayoutMouse::inverted() const {
    if (!rubber_) return std::nullopt;
    return LogicalRect{
        std::min(rubberStart_.x, rubberEnd_.x), std::max(rubberStart_.y, rubberEnd_.y),
        std::max(rubberStart_.x, rubberEnd_.x), std::min(rubberStart_.y, rubberEnd_.y)};
}

LayoutMouseResult LayoutMouse::press(LogicalPoint at) {
    LayoutMouseResult result;
    if (!inHitArea(at)) return result;
    pressed_ = true;
    picked_ = mmAt(at);
    definition_.editorCursorXMm = picked_.x;
    definition_.editorCursorYMm = picked_.y;
    result.status = positionStatus(picked_);
    if (mode_ == LayoutMode::Line) {
        startLine(picked_, result);
        return result;
    }
    rubber_ = !rubber_;
    rubberStart_ = rubberEnd_ = at;
    startDrag(at);
    // A press that grabs the literal moves it; it does not give the dialog a new position.
    if (mode_ == LayoutMode::Literal && draggingLiteral_ < 0) result.literalPick = picked_;
    if (draggingField_ < 0 && draggingLiteral_ < 0 && !measuring_) {
        result.fieldPick = LayoutPick{picked_.x, picked_.y, 0, 0};
    }
    return result;
}

// The first free slot takes the line; with all of them in use nothing is drawn.
bool LayoutMouse::startLine(const LayoutMm& mm, LayoutMouseResult& result) {
    for (size_t slot = 0; slot < definition_.ruledLines.size(); ++slot) {
        if (isUsed(definition_.ruledLines[slot])) continue;
        definition_.ruledLines[slot] = {mm.x, -mm.y, mm.x, -mm.y};
        drawingLine_ = static_cast<int>(slot);
        result.captureMouse = true;
        return true;
    }
    return false;
}

// A press on the selected field or literal grabs it; the rubber rectangle is cancelled.
void LayoutMouse::startDrag(LogicalPoint at) {
    const auto grabFrom = [&](int xMm, int yMm) {
        return LogicalPoint{z_ * (xMm - 1) - at.x, -z_ * (yMm - 1) - at.y};
    };
    if (selectedField_ >= 0 && contains(areas_.fields[static_cast<size_t>(selectedField_)], at)) {
        const FieldPlacement& f = definition_.fields[static_cast<size_t>(selectedField_)];
        grab_ = grabFrom(f.xMm, f.yMm);
        draggingField_ = selectedField_;
        rubber_ = false;
    } else if (selectedLiteral_ >= 0 &&
               contains(areas_.literals[static_cast<size_t>(selectedLiteral_)], at)) {
        const LiteralPlacement& l = definition_.literals[static_cast<size_t>(selectedLiteral_)];
        grab_ = grabFrom(l.xMm, l.yMm);
        draggingLiteral_ = selectedLiteral_;
        rubber_ = false;
    }
}

LayoutMouseResult LayoutMouse::move(LogicalPoint at, bool leftHeld) {
    LayoutMouseResult result;
    if (!inHitArea(at)) {
        result.status = "Ready";
        return result;
    }
    const LayoutMm mm = mmAt(at);
    if (drawingLine_ >= 0) {
        RuledLine& line = definition_.ruledLines[static_cast<size_t>(drawingLine_)];
        line.endX = mm.x;
        line.endY = -mm.y;
        result.status = formatText("LINE %dmm × %dmm から %dmm × %dmm まで", line.startX,
                                   -line.startY, line.endX, -line.endY);
        return result;
    }
    result.status = positionStatus(mm);
    if (rubber_ && leftHeld && pressed_) rubberEnd_ = at;
    drag(at, result);
    return result;
}

// The dragged item follows the pointer; a position left of or above the label becomes 0.
void LayoutMouse::drag(LogicalPoint at, LayoutMouseResult& result) {
    if (draggingField_ < 0 && draggingLiteral_ < 0) return;
    const LayoutMm mm = mmAt({at.x + grab_.x, at.y + grab_.y});
    const int x = std::max(0, mm.x);
    const int y = std::max(0, mm.y);
    if (draggingField_ >= 0) {
        FieldPlacement& field = definition_.fields[static_cast<size_t>(draggingField_)];
        if (field.xMm == x && field.yMm == y) return;
        field.xMm = x;
        field.yMm = y;
        result.movedField = draggingField_;
    } else {
        LiteralPlacement& literal = definition_.literals[static_cast<size_t>(draggingLiteral_)];
        if (literal.xMm == x && literal.yMm == y) return;
        literal.xMm = x;
        literal.yMm = y;
        result.movedLiteral = draggingLiteral_;
    }
    definition_.editorCursorXMm = x;
    definition_.editorCursorYMm = y;
    result.modified = true;
    result.status = positionStatus({x, y});
}

LayoutMouseResult LayoutMouse::release(LogicalPoint at) {
    LayoutMouseResult result;
    if (!pressed_) return result;
    pressed_ = false;
    if (rubber_) {
        const LogicalRect r = *inverted();
        result.rubberRectangle =
            LogicalRect{r.left * kTenthsPerMm / z_, r.top * kTenthsPerMm / z_,
                        r.right * kTenthsPerMm / z_, r.bottom * kTenthsPerMm / z_};
    }
    const bool dragged = draggingField_ >= 0 || draggingLiteral_ >= 0;
    if (measuring_ && !dragged) {
        const LayoutMm end = mmAt(at);
        result.fieldPick = LayoutPick{picked_.x, picked_.y, std::max(0, end.x - picked_.x + 1),
                                      std::max(0, end.y - picked_.y)};
    }
    draggingField_ = draggingLiteral_ = -1;
    if (drawingLine_ >= 0) finishLine(at, result);
    return result;
}

// Released inside the hit area the line is kept, outside it is discarded.
void LayoutMouse::finishLine(LogicalPoint at, LayoutMouseResult& result) {
    RuledLine& line = definition_.ruledLines[static_cast<size_t>(drawingLine_)];
    if (inHitArea(at)) {
        const LayoutMm end = mmAt(at);
        line.endX = end.x;
        line.endY = -end.y;
        result.modified = true;
        result.drawnLine = drawingLine_;
    } else {
        line = RuledLine{};
    }
    drawingLine_ = -1;
    result.releaseMouse = true;
}

LayoutHit LayoutMouse::hitAt(LogicalPoint at) const {
    const auto first = [&](const auto& rects, LayoutHit::Kind kind) -> std::optional<LayoutHit> {
        for (size_t k = 0; k < rects.size(); ++k) {
            if (contains(rects[k], at)) return LayoutHit{kind, static_cast<int>(k)};
        }
        return std::nullopt;
    };
    if (auto hit = first(areas_.bitmaps, LayoutHit::Kind::Bitmap)) return *hit;
    if (auto hit = first(areas_.literals, LayoutHit::Kind::Literal)) return *hit;
    if (auto hit = first(areas_.fields, LayoutHit::Kind::Field)) return *hit;
    return {};
}

}  // namespace qv
