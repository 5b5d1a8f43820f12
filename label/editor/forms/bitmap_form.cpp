#include "label/editor/forms/bitmap_form.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "common/message_service.h"
#include "common/paths.h"
#include "common/text_format.h"
#include "label/definition/definition_bits.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

const char* const kNotABitmapFile = "ビットマップファイルではありません。!";
const char* const kNoPath = "ビットマップのパスを入力して下さい。!";
const char* const kNoArea = "ビットマップを表示する領域が空です！";
const char* const kSameArea = "２つのビットマップの領域が同じですが\n　登録しますか？";
const char* const kAskDelete =
    "ビットマップを消去します。\n消去してよい時は「はい」を押して下さい。";
const char* const kBadFrame = "枠の大きさが不正です！";

constexpr int kFallbackDpi = 96;

// Stored rectangles come from files: their differences may leave the range of int.
int narrow(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Whether the last three bytes, upper-cased, are "BMP".
bool endsInBmp(const std::string& path) {
    if (path.size() < 3) return false;
    std::string tail = path.substr(path.size() - 3);
    for (char& c : tail) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return tail == "BMP";
}

size_t characterCount(const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Tenths as "%d.%d"; a negative value (only from a damaged file) keeps its sign in front.
std::string tenthsText(int tenths) {
    const long long value = tenths;
    const long long magnitude = std::llabs(value);
    return formatText("%s%lld.%lld", value < 0 ? "-" : "", magnitude / kTenthsPerMm,
                      magnitude % kTenthsPerMm);
}

BitmapRectValues valuesOf(const BitmapPlacement& area) {
    return {area.left, narrow(-static_cast<long long>(area.top)),
            narrow(static_cast<long long>(area.right) - area.left),
            narrow(static_cast<long long>(area.top) - area.bottom)};
}

bool allNonZero(const BitmapPlacement& area) {
    return area.left != 0 && area.top != 0 && area.right != 0 && area.bottom != 0;
}

bool sameRectangle(const BitmapPlacement& a, const BitmapPlacement& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

BitmapForm::BitmapForm(LabelDefinition& definition, std::string definitionFolder,
                       MessageService& messages, bool fitToFrame)
    : definition_(definition),
      folder_(std::move(definitionFolder)),
      messages_(messages),
      fit_(fitToFrame) {
    const bool anyBitmap = std::any_of(definition_.bitmaps.begin(), definition_.bitmaps.end(),
                                       [](const BitmapPlacement& b) { return isUsed(b); });
    if (anyBitmap) showArea(0);
}

void BitmapForm::showArea(int slot) {
    if (slot < 0 || slot >= kBitmapSlots) return;
    current_ = shown_ = slot;
    const BitmapPlacement& area = definition_.bitmaps[static_cast<size_t>(slot)];
    values_ = valuesOf(area);
    path_ = isUsed(area) ? localFromStoredPath(area.path, folder_) : std::string();
    loadPreview(false);
}

void BitmapForm::takeUpShownArea() {
    if (current_ < 0) current_ = shown_;
}

void BitmapForm::loadPreview(bool tellRefusal) {
    bitmap_ = LoadedBitmap{};
    tooManyColours_ = false;
    if (path_.empty()) return;
    BmpStatus status = BmpStatus::Ok;
    LoadedBitmap loaded;
    if (LoadBitmapFile(path_, loaded, &status) >= 0) {
        bitmap_ = std::move(loaded);
    } else if (status == BmpStatus::UnsupportedDepth) {
        tooManyColours_ = true;
        if (tellRefusal) messages_.exclamation(kBitmapTooManyColours);
    }
}

void BitmapForm::clearPath() {
    path_.clear();
    bitmap_ = LoadedBitmap{};
    tooManyColours_ = false;
}

bool BitmapForm::choosePath(const std::string& localPath) {
    if (!endsInBmp(localPath)) {
        messages_.exclamation(kNotABitmapFile);
        clearPath();
        return false;
    }
    path_ = localPath;
    loadPreview(true);
    if (tooManyColours_) {
        clearPath();
        return false;
    }
    takeUpShownArea();
    return true;
}

bool BitmapForm::typePath(const std::string& localPath) {
    path_ = localPath;
    if (characterCount(localPath) < 4 || !endsInBmp(localPath)) {
        bitmap_ = LoadedBitmap{};
        tooManyColours_ = false;
        return false;
    }
    loadPreview(true);
    takeUpShownArea();
    return true;
}

int BitmapForm::value(BitmapValue which) const {
    switch (which) {
        case BitmapValue::X:
            return values_.x;
        case BitmapValue::Y:
            return values_.y;
        case BitmapValue::Width:
            return values_.width;
        case BitmapValue::Height:
            break;
    }
    return values_.height;
}

std::string BitmapForm::valueText(BitmapValue which) const {
    return tenthsText(value(which));
}

int BitmapForm::maximum(BitmapValue which) const {
    const long long labelWidth =
        std::max(0LL, tenthsFromWholeMm<long long>(definition_.sheet.labelWidthMm));
    const long long labelHeight =
        std::max(0LL, tenthsFromWholeMm<long long>(definition_.sheet.labelHeightMm));
    switch (which) {
        case BitmapValue::X:
            return narrow(labelWidth);
        case BitmapValue::Y:
            return narrow(labelHeight);
        case BitmapValue::Width:
            return narrow(std::max(0LL, labelWidth - std::max(0, values_.x)));
        case BitmapValue::Height:
            break;
    }
    return narrow(std::max(0LL, labelHeight - std::max(0, values_.y)));
}

void BitmapForm::keepOnLabel() {
    values_.x = std::clamp(values_.x, 0, maximum(BitmapValue::X));
    values_.y = std::clamp(values_.y, 0, maximum(BitmapValue::Y));
    values_.width = std::clamp(values_.width, 0, maximum(BitmapValue::Width));
    values_.height = std::clamp(values_.height, 0, maximum(BitmapValue::Height));
}

void BitmapForm::setValue(BitmapValue which, int tenthsOfMm) {
    keepOnLabel();  // a stored rectangle may lie beyond a label made smaller since
    int* const target[] = {&values_.x, &values_.y, &values_.width, &values_.height};
    *target[static_cast<int>(which)] = std::clamp(tenthsOfMm, 0, maximum(which));
    keepOnLabel();  // a moved rectangle keeps its size as far as the label allows
    takeUpShownArea();
}

std::string BitmapForm::editingStatus(BitmapValue which) {
    const char* name = "高さ";
    if (which == BitmapValue::X) name = "X位置";
    if (which == BitmapValue::Y) name = "Y位置";
    if (which == BitmapValue::Width) name = " 巾 ";
    return formatText("「%s」の修正、修正終了＝Enter Key又はReturn Key キャンセル＝Esc Key", name);
}

void BitmapForm::takeRubberRectangle(const LogicalRect& tenthsOfMm) {
    // Through setValue, so a rectangle reaching past the label is cut at its edges.
    const int x = tenthsOfMm.left;
    const int y = narrow(-static_cast<long long>(tenthsOfMm.top));
    const long long right = std::max(tenthsOfMm.left, tenthsOfMm.right);
    const long long bottom = -static_cast<long long>(std::min(tenthsOfMm.top, tenthsOfMm.bottom));
    setValue(BitmapValue::X, x);
    setValue(BitmapValue::Y, y);
    setValue(BitmapValue::Width, narrow(right - values_.x));
    setValue(BitmapValue::Height, narrow(bottom - values_.y));
}

std::string BitmapForm::storedPath() const {
    // An unchanged path keeps its stored form, so a relative or Windows path stays as it was.
    const std::string& stored = definition_.bitmaps[static_cast<size_t>(current_)].path;
    if (!stored.empty() && localFromStoredPath(stored, folder_) == path_) return stored;
    return storedFromLocalPath(path_);
}

bool BitmapForm::store() {
    if (current_ < 0) return false;
    if (path_.empty()) {
        messages_.exclamation(kNoPath);
        return false;
    }
    if (values_ == BitmapRectValues{}) {
        messages_.exclamation(kNoArea);
        return false;
    }
    if (tooManyColours_) {
        messages_.exclamation(kBitmapTooManyColours);
        return false;
    }
    BitmapPlacement placed;
    placed.path = storedPath();
    placed.left = values_.x;
    placed.top = narrow(-static_cast<long long>(values_.y));
    placed.right = narrow(static_cast<long long>(values_.x) + values_.width);
    placed.bottom = narrow(-static_cast<long long>(values_.y) - values_.height);
    const BitmapPlacement& other = definition_.bitmaps[static_cast<size_t>(1 - current_)];
    if (isUsed(other) && sameRectangle(placed, other) && !messages_.askYesNo(kSameArea)) {
        return false;
    }
    definition_.bitmaps[static_cast<size_t>(current_)] = std::move(placed);
    current_ = -1;
    return true;
}

bool BitmapForm::removeEnabled() const {
    return current_ >= 0 && isUsed(definition_.bitmaps[static_cast<size_t>(current_)]);
}

bool BitmapForm::remove() {
    if (!removeEnabled()) return false;
    BitmapPlacement& area = definition_.bitmaps[static_cast<size_t>(current_)];
    if (allNonZero(area) && !messages_.askYesNo(kAskDelete)) return false;
    area = BitmapPlacement{};
    values_ = BitmapRectValues{};
    clearPath();
    return true;
}

bool BitmapForm::setFitToFrame(bool on) {
    if (on && (values_.width <= 0 || values_.height <= 0)) {
        messages_.exclamation(kBadFrame);
        fit_ = false;
        return false;
    }
    fit_ = on;
    return fit_;
}

PixelSize BitmapForm::previewSize(int dpiX, int dpiY) const {
    if (!bitmap_.loaded()) return {};
    if (fit_ && values_.width > 0 && values_.height > 0) {
        const long long px = dpiX > 0 ? dpiX : kFallbackDpi;
        const long long py = dpiY > 0 ? dpiY : kFallbackDpi;
        return {narrow(std::max(1LL, values_.width * px / kTenthsPerInch)),
                narrow(std::max(1LL, values_.height * py / kTenthsPerInch))};
    }
    return {bitmap_.info.width, std::abs(bitmap_.info.height)};
}

std::string BitmapForm::coloursText(int bitCount) {
    switch (bitCount) {
        case 24:
            return "TrueColor";
        case 16:
            return "65536 色";
        case 8:
            return "256 色";
        case 4:
            return "16 色";
        default:
            return "モノクロ";
    }
}

std::string BitmapForm::pixelLengthText(int pixels, int dpi) {
    const long long tenths =
        static_cast<long long>(pixels) * kTenthsPerInch / (dpi > 0 ? dpi : kFallbackDpi);
    return formatText("%d Pixel (%lld.%lldmm)", pixels, tenths / kTenthsPerMm,
                      tenths % kTenthsPerMm);
}

std::optional<BitmapInfoTexts> BitmapForm::infoTexts(int dpiX, int dpiY) const {
    if (!bitmap_.loaded()) return std::nullopt;
    return BitmapInfoTexts{baseName(path_), coloursText(bitmap_.info.bitCount),
                           pixelLengthText(bitmap_.info.width, dpiX),
                           pixelLengthText(std::abs(bitmap_.info.height), dpiY)};
}

}  // namespace qv
