#include "label/app/calibration_print.h"

#include <algorithm>

#include "common/profile_file.h"
#include "label/app/quorvi_settings.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "label/print/calibration_sheet.h"
#include "platform/cups_printing.h"

namespace qv {

CalibrationPrint calibrationPrintOf(const CQuorviDoc& document) {
    const SheetGeometry& sheet = document.definition().sheet;
    CalibrationPrint print;
    print.media = printerMedia(printerSetup(document.papers(), sheet.paperIndex));
    print.sheet = {static_cast<double>(sheet.paperWidthMm),
                   static_cast<double>(sheet.paperHeightMm)};
    return print;
}

namespace {

// Without a paper of its own the sheet is the printer's medium, portrait.
bool printersOwnPaper(CalibrationPrint& print, PrintOutcome& failure) {
    CupsPrinting cups;
    PrinterFacts facts;
    if (!cups.choose(print.printerName, print.media, facts, failure)) return false;
    print.sheet = {std::min(facts.mediaWidthMm, facts.mediaHeightMm),
                   std::max(facts.mediaWidthMm, facts.mediaHeightMm)};
    if (print.sheet.widthMm > 0) return true;
    failure.failure = PrintFailure::OutputFailed;
    failure.reason = "the printer does not tell the size of its paper";
    return false;
}

}  // namespace

PrintOutcome printCalibrationSheet(const CalibrationPrint& given) {
    CalibrationPrint print = given;
    PrintOutcome failure;
    const bool ownPaper =
        print.media.keyword.empty() || print.sheet.widthMm <= 0 || print.sheet.heightMm <= 0;
    if (ownPaper) {
        print.media = PrinterMedia();
        if (!printersOwnPaper(print, failure)) return failure;
    }
    CalibrationSheet sheet;
    sheet.widthMm = print.sheet.widthMm;
    sheet.heightMm = print.sheet.heightMm;
    PrintRequest request;
    request.printerName = print.printerName;
    request.media = print.media;
    request.sheet = print.sheet;
    request.waiting = print.waiting;
    // The sheet names the printer and the offset it is printed with, once the service has said
    // which printer that is.
    request.adjustmentFor = [&print, &sheet](const std::string& printer) {
        const PrinterAdjustment a =
            print.adjustmentFor ? print.adjustmentFor(printer) : PrinterAdjustment();
        sheet.printerName = printer;
        sheet.offset = {a.offsetXTenths, a.offsetYTenths};
        return a;
    };
    return printPages(
        request, [&sheet](DrawSurface& surface, int) { drawCalibrationSheet(surface, sheet); });
}

int runCalibrationCommand(const QuorviCommandLine& c, MessageService& messages) {
    CalibrationPrint print;
    if (!c.definitionPath.empty()) {
        if (!isDefinitionFileName(c.definitionPath)) {
            messages.exclamation(notADefinitionFileMessage(c.definitionPath));
            return kExitRefused;
        }
        CQuorviDoc document(messages);
        if (!document.openDocument(c.definitionPath)) return kExitRefused;
        print = calibrationPrintOf(document);
    }
    print.printerName = c.printerName;
    print.adjustmentFor = printerAdjustmentsOf(quorviSettingsFile(), c.offset);
    const PrintOutcome outcome = printCalibrationSheet(print);
    if (outcome.ok()) return kExitSuccess;
    messages.stop("quorvi32: " + printFailureMessage(outcome));
    return outcome.failure == PrintFailure::UnknownPrinter ? kExitRefused : kExitFailure;
}

}  // namespace qv
