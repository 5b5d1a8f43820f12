#include "label/print/label_size_form.h"

#include "common/text_format.h"
#include "label/definition/sheet_fit.h"

namespace qv {

namespace {

constexpr int kZoomLandscapeFit = 50;
constexpr int kZoomPortraitFit = 70;
constexpr int kZoomRealSize = 100;

const char* const kTooManyColumns = "用紙の横幅に配置できるﾗﾍﾞﾙ数を越す指定できません。";
const char* const kTooManyRows = "用紙の縦幅に配置できるﾗﾍﾞﾙ数を越す指定できません。";
const char* const kLabelTooWide = "一枚のラベルの巾が印刷領域をこえています。";
const char* const kLabelTooHigh = "一枚のラベルの高さが印刷領域をこえています。";
// A label without width or height would make every count a division by zero.
const char* const kLabelSizeMissing = "ラベルの巾と高さは1mm以上を指定して下さい。";

}  // namespace

LabelSizeForm::LabelSizeForm(const SheetGeometry& sheet, const PaperTable& papers,
                             MessageService& messages)
    : sheet_(sheet), papers_(papers), messages_(messages) {
    recalculate();
}

void LabelSizeForm::choosePaper(const std::string& displayName) {
    selectPaper(PaperTable::indexOfDisplayName(displayName));
}

void LabelSizeForm::setFreeSize(int widthMm, int heightMm) {
    papers_.setFreeSize({widthMm, heightMm});
    selectPaper(kFreePaperIndex);
}

void LabelSizeForm::selectPaper(int paperIndex) {
    const PaperSize size = papers_.paperSize(paperIndex);
    sheet_.paperIndex = paperIndex;
    sheet_.paperWidthMm = size.widthMm;
    sheet_.paperHeightMm = size.heightMm;
    resetLimits();
}

void LabelSizeForm::setLabelWidth(int mm) {
    sheet_.labelWidthMm = mm;
    resetLimits();
}

void LabelSizeForm::setLabelHeight(int mm) {
    sheet_.labelHeightMm = mm;
    resetLimits();
}

void LabelSizeForm::setFirstLabelLeft(int mm) {
    sheet_.firstLabelLeftMm = mm;
    resetLimits();
}

void LabelSizeForm::setFirstLabelTop(int mm) {
    sheet_.firstLabelTopMm = mm;
    resetLimits();
}

void LabelSizeForm::typeColumnLimit(int columns) {
    if (columns > fitColumnCount()) {
        messages_.exclamation(kTooManyColumns);
        columns = fitColumnCount();
    }
    sheet_.maxColumns = columns == 0 ? 1 : columns;
    recalculate();
}

void LabelSizeForm::typeRowLimit(int rows) {
    if (rows > fitRowCount()) {
        messages_.exclamation(kTooManyRows);
        rows = fitRowCount();
    }
    sheet_.maxRows = rows == 0 ? 1 : rows;
    recalculate();
}

int LabelSizeForm::setFitToPaperWidth(bool on) {
    sheet_.fitToPaperWidth = on ? 1 : 0;
    if (!on) return kZoomRealSize;
    setLabelWidth(sheet_.paperWidthMm - sheet_.firstLabelLeftMm - kRightReserveMm);
    return PaperTable::isLandscapeKind(sheet_.paperIndex) ? kZoomLandscapeFit : kZoomPortraitFit;
}

bool LabelSizeForm::accept() {
    if (sheet_.labelWidthMm <= 0 || sheet_.labelHeightMm <= 0) {
        messages_.stop(kLabelSizeMissing);
        return false;
    }
    if (sheet_.paperWidthMm - sheet_.firstLabelLeftMm - kRightReserveMm < sheet_.labelWidthMm) {
        messages_.stop(kLabelTooWide);
        return false;
    }
    if (sheet_.paperHeightMm - sheet_.firstLabelTopMm - kBottomReserveMm < sheet_.labelHeightMm) {
        messages_.stop(kLabelTooHigh);
        return false;
    }
    return true;
}

int LabelSizeForm::fitColumnCount() const {
    return fitColumns(sheet_);
}
int LabelSizeForm::fitRowCount() const {
    return fitRows(sheet_);
}

std::string LabelSizeForm::summaryLine() const {
    return formatText("%s  横 %d列   縦 %d列  １頁当たり %lld枚",
                      PaperTable::displayName(sheet_.paperIndex), sheet_.maxColumns, sheet_.maxRows,
                      static_cast<long long>(sheet_.maxColumns) * sheet_.maxRows);
}

std::string LabelSizeForm::paperLine() const {
    return formatText("ｻｲｽﾞ %dmm×%dmm", sheet_.paperWidthMm, sheet_.paperHeightMm);
}

void LabelSizeForm::resetLimits() {
    sheet_.maxColumns = 0;
    sheet_.maxRows = 0;
    recalculate();
}

void LabelSizeForm::recalculate() {
    const int columns = fitColumnCount();
    const int rows = fitRowCount();
    if (sheet_.maxColumns == 0 || sheet_.maxColumns > columns) sheet_.maxColumns = columns;
    if (sheet_.maxRows == 0 || sheet_.maxRows > rows) sheet_.maxRows = rows;
}

}  // namespace qv
