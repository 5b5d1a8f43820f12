// The dialog "プリンタの調整": every printer's offset and barcode settings in one table, and the
// calibration sheet printed for the chosen row. The widgets only bind to PrinterAdjustmentsForm.
#pragma once

#include <QDialog>
#include <functional>

#include "label/print/printer_adjustments_form.h"

class QTableWidget;

namespace qv {

class PrinterAdjustmentsDialog : public QDialog {
    Q_OBJECT

  public:
    // Prints the calibration sheet on a printer with the adjustment typed for it.
    using SheetPrinter = std::function<void(const std::string&, const PrinterAdjustment&)>;

    PrinterAdjustmentsDialog(const std::vector<std::string>& printers, ProfileFile settings,
                             MessageService& messages, SheetPrinter printSheet,
                             QWidget* parent = nullptr);

    const PrinterAdjustmentsForm& form() const { return form_; }

  public slots:
    void accept() override;

  private:
    void fillTable();
    void takeRow(int row);
    void printSheetForCurrentRow();

    PrinterAdjustmentsForm form_;
    SheetPrinter printSheet_;
    QTableWidget* table_ = nullptr;
};

}  // namespace qv
