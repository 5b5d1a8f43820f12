// Printing the calibration sheet, from the desktop program and from `--calibration-sheet`.
#pragma once

#include <functional>
#include <string>

#include "common/message_service.h"
#include "label/app/command_line.h"
#include "platform/page_output.h"

namespace qv {

class CQuorviDoc;

struct CalibrationPrint {
    std::string printerName;  // empty: the default printer
    // The paper: the definition's, or with an empty keyword the printer's own.
    PrinterMedia media;
    PageFormat sheet;
    // The adjustment the sheet is printed with, by the printer's name; its offset is shown.
    std::function<PrinterAdjustment(const std::string&)> adjustmentFor;
    std::function<void()> waiting;
};

// The paper of `document`'s definition (a free size of 0 x 0: the printer's own).
CalibrationPrint calibrationPrintOf(const CQuorviDoc& document);

// Prints the sheet and follows the job as every print does.
PrintOutcome printCalibrationSheet(const CalibrationPrint& print);

// `quorvi32 --calibration-sheet`: exit 0 when printed; 2 for a printer that does not exist or a
// refused definition; 1 for every other failure, told with its reason.
int runCalibrationCommand(const QuorviCommandLine& commandLine, MessageService& messages);

}  // namespace qv
