// The rules of the dialog "プリンタの調整", without widgets: every printer the print service
// offers with its offset (typed in mm with one decimal), whole-dot barcodes and bar width
// reduction, read from and written to the settings file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "label/print/printer_adjustment.h"

namespace qv {

class PrinterAdjustmentsForm {
  public:
    struct Row {
        std::string printer;  // as the print service names it
        std::string offsetX;  // millimetres as typed, e.g. "+1.5"
        std::string offsetY;
        bool wholeDotModules = false;
        int barWidthReductionDots = 0;
    };

    PrinterAdjustmentsForm(const std::vector<std::string>& printers, ProfileFile settings,
                           MessageService& messages);

    const std::vector<Row>& rows() const { return rows_; }
    // Row `row` as the user has typed it; a row outside the table is ignored.
    void setRow(size_t row, const Row& values);

    // The adjustment of `row` as typed; nothing after telling what is wrong with it.
    std::optional<PrinterAdjustment> adjustmentOf(size_t row);

    // OK: every row is checked first, then the rows that differ from the file are written.
    // False (the user told why) when a value is wrong or the file could not be written.
    bool accept();

  private:
    void badOffset(const Row& row, const char* axis, const std::string& text);

    ProfileFile settings_;
    MessageService& messages_;
    std::vector<Row> rows_;
    std::vector<PrinterAdjustment> stored_;
};

}  // namespace qv
