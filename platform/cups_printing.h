// Printing through the CUPS print service with libcups: finding the printer, what it reports of
// itself for a medium (resolution, printable area, colour), and one PDF job followed until the
// service has printed it, failed it or kept it waiting. Every failure comes back with the
// service's own reason; nothing is taken for success that the service did not say.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "label/print/printer_media.h"

namespace qv {

enum class PrintFailure {
    None,
    ServiceUnreachable,  // the print service does not answer
    NoPrinter,           // no printer is installed and none was named
    UnknownPrinter,      // the named printer is not installed
    Refused,             // the printer did not accept the job
    JobFailed,           // the job was accepted, then aborted, cancelled or stopped
    OutputFailed,        // the pages could not be composed for the job
};

// How a message names the printer when none was named: the service's default.
inline constexpr const char* kDefaultPrinterName = "既定のプリンタ";

struct PrintOutcome {
    PrintFailure failure = PrintFailure::None;
    std::string printer;  // the printer the job went or was meant to go to
    std::string reason;   // the print service's words (for UnknownPrinter: the installed ones)
    int jobId = 0;
    bool stillWaiting = false;  // accepted, but not finished when we stopped following it
    bool ok() const { return failure == PrintFailure::None; }
};

// The message that tells the user what happened to a print that failed (Japanese, UTF-8).
std::string printFailureMessage(const PrintOutcome& outcome);

// What a printer reports for the medium a job asks for.
struct PrinterFacts {
    std::string name;
    int dpi = 0;  // device dots per inch across; 0 when the printer does not tell
    bool colour = true;
    // The printable area's top-left corner, measured from the medium's corner, portrait.
    double leftMarginMm = 0;
    double topMarginMm = 0;
    double rightMarginMm = 0;
    double bottomMarginMm = 0;
    // The medium as the printer knows it (portrait); its default medium when none was asked.
    double mediaWidthMm = 0;
    double mediaHeightMm = 0;
};

struct CupsJobOptions {
    std::string media;  // media keyword; empty: the printer's own paper
    int copies = 1;
    bool monochrome = false;
    std::string title = "quorvi32";
};

// One connection to the print service, for one print.
class CupsPrinting {
  public:
    CupsPrinting();
    ~CupsPrinting();
    CupsPrinting(const CupsPrinting&) = delete;
    CupsPrinting& operator=(const CupsPrinting&) = delete;

    // The printers the service offers; false with the reason when it cannot be reached.
    bool printerNames(std::vector<std::string>& names, std::string& reason);

    // Chooses the printer (empty: the service's default) and reads what it reports for
    // `media`. False with `failure` filled when there is no such printer or no service.
    bool choose(const std::string& printerName, const PrinterMedia& media, PrinterFacts& facts,
                PrintOutcome& failure);

    // Sends the PDF to the chosen printer and follows the job for at most `waitSeconds`,
    // calling `waiting` between polls (a window keeps drawing itself there).
    PrintOutcome submitPdf(const std::string& pdfPath, const CupsJobOptions& options,
                           int waitSeconds, const std::function<void()>& waiting);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace qv
