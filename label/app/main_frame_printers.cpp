// The printer adjustments of the desktop program: the dialog "プリンタの調整" and the
// calibration sheet (設定 menu).
#include <QCoreApplication>
#include <QInputDialog>
#include <QStatusBar>

#include "label/app/calibration_print.h"
#include "label/app/dialogs/printer_adjustments_dialog.h"
#include "label/app/main_frame.h"
#include "platform/cups_printing.h"
#include "platform/qt_text.h"

namespace qv {

// The printers of the print service; after telling why, false when there are none.
bool CMainFrame::printerNames(std::vector<std::string>& names) {
    PrintOutcome why;
    if (!CupsPrinting().printerNames(names, why.reason)) {
        why.failure = PrintFailure::ServiceUnreachable;
        why.printer = kDefaultPrinterName;
    } else if (names.empty()) {
        why.failure = PrintFailure::NoPrinter;
    } else {
        return true;
    }
    const std::string message = printFailureMessage(why);
    statusBar()->showMessage(fromUtf8(message.substr(0, message.find('\n'))));
    messages_.stop(message);
    return false;
}

void CMainFrame::printCalibrationSheetOn(
    const std::string& printer, std::function<PrinterAdjustment(const std::string&)> adjustment) {
    CalibrationPrint print = calibrationPrintOf(document_);
    print.printerName = printer;
    print.adjustmentFor = std::move(adjustment);
    print.waiting = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    const PrintOutcome outcome = printCalibrationSheet(print);
    if (!outcome.ok()) {
        const std::string message = printFailureMessage(outcome);
        statusBar()->showMessage(fromUtf8(message.substr(0, message.find('\n'))));
        messages_.stop(message);
        return;
    }
    statusBar()->showMessage(
        QStringLiteral("プリンタ「%1」でキャリブレーションシートを印刷しました")
            .arg(fromUtf8(outcome.printer)));
}

void CMainFrame::printCalibrationSheetWithChoice() {
    std::vector<std::string> names;
    if (!printerNames(names)) return;
    QStringList items;
    for (const std::string& name : names) items << fromUtf8(name);
    bool chosen = false;
    const QString printer =
        QInputDialog::getItem(this, QStringLiteral("キャリブレーションシートの印刷"),
                              QStringLiteral("プリンタ:"), items, 0, false, &chosen);
    if (!chosen) return;
    printCalibrationSheetOn(toUtf8(printer), printerAdjustmentsOf(settingsFile_));
}

void CMainFrame::editPrinterAdjustments() {
    std::vector<std::string> names;
    if (!printerNames(names)) return;
    PrinterAdjustmentsDialog dialog(
        names, settingsFile_, messages_,
        [this](const std::string& printer, const PrinterAdjustment& typed) {
            printCalibrationSheetOn(printer, [typed](const std::string&) { return typed; });
        },
        this);
    dialog.exec();
}

}  // namespace qv
