#include "label/print/printer_adjustments_form.h"

#include <algorithm>

#include "common/text_format.h"

namespace qv {

PrinterAdjustmentsForm::PrinterAdjustmentsForm(const std::vector<std::string>& printers,
                                               ProfileFile settings, MessageService& messages)
    : settings_(std::move(settings)), messages_(messages) {
    for (const std::string& printer : printers) {
        const PrinterAdjustment a = readPrinterAdjustment(settings_, printer);
        stored_.push_back(a);
        rows_.push_back({printer, offsetMmText(a.offsetXTenths), offsetMmText(a.offsetYTenths),
                         a.wholeDotModules, a.barWidthReductionDots});
    }
}

void PrinterAdjustmentsForm::setRow(size_t row, const Row& values) {
    if (row >= rows_.size()) return;
    const std::string printer = rows_[row].printer;
    rows_[row] = values;
    rows_[row].printer = printer;
}

void PrinterAdjustmentsForm::badOffset(const Row& row, const char* axis, const std::string& text) {
    messages_.exclamation(formatText(
        "プリンタ「%s」のオフセット %s「%s」は -20.0 から +20.0 までの mm で入力してください"
        "（小数点以下 1 桁まで）",
        row.printer.c_str(), axis, text.c_str()));
}

std::optional<PrinterAdjustment> PrinterAdjustmentsForm::adjustmentOf(size_t row) {
    if (row >= rows_.size()) return std::nullopt;
    const Row& r = rows_[row];
    const std::optional<int> x = parseOffsetMm(r.offsetX);
    if (!x) {
        badOffset(r, "X", r.offsetX);
        return std::nullopt;
    }
    const std::optional<int> y = parseOffsetMm(r.offsetY);
    if (!y) {
        badOffset(r, "Y", r.offsetY);
        return std::nullopt;
    }
    PrinterAdjustment a;
    a.offsetXTenths = *x;
    a.offsetYTenths = *y;
    a.wholeDotModules = r.wholeDotModules;
    a.barWidthReductionDots = std::clamp(r.barWidthReductionDots, 0, kMostBarWidthReductionDots);
    return a;
}

bool PrinterAdjustmentsForm::accept() {
    std::vector<PrinterAdjustment> typed;
    for (size_t row = 0; row < rows_.size(); ++row) {
        const std::optional<PrinterAdjustment> a = adjustmentOf(row);
        if (!a) return false;
        typed.push_back(*a);
    }
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (typed[row] == stored_[row]) continue;
        if (!printerNameStorable(rows_[row].printer)) {
            messages_.exclamation(formatText("プリンタ名「%s」は設定ファイルに保存できません",
                                             rows_[row].printer.c_str()));
            return false;
        }
        if (!writePrinterAdjustment(settings_, rows_[row].printer, typed[row])) {
            messages_.exclamation(settingsNotSavedMessage(settings_));
            return false;
        }
        stored_[row] = typed[row];
    }
    return true;
}

}  // namespace qv
