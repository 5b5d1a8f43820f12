// The command line of quorvi32.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/text_encoding.h"
#include "label/print/printer_adjustment.h"

namespace qv {

struct QuorviCommandLine {
    enum class Mode {
        Desktop,      // the desktop program, with an optional definition to open
        Listing,      // print the definition listing to stdout
        Export,       // write every page to a PDF or PNG files
        Print,        // print every page on a printer without a dialog
        Calibration,  // print the calibration sheet on a printer
        Verify,       // render every page and read every barcode back, print nothing
        Help,
        Version,
        Invalid,  // `error` says why
    };
    Mode mode = Mode::Desktop;
    std::string definitionPath;
    std::string error;

    // --export and --print
    std::string outputPath;   // .pdf or .png
    int dpi = 300;            // PNG resolution, and that of --verify without a printer
    std::string timestamp;    // "YYYY-MM-DD HH:MM:SS" fixing the print time; empty: the clock
    int startNumber = -1;     // the running number's start; -1: the definition's
    int firstLabel = 1;       // the first label printed on the first page (from 1)
    int copiesPerRecord = 1;  // labels printed for each record
    std::string copiesField;  // the data file field that holds each record's copies
    std::string dataPath;     // another data file for this run
    // The data file's encoding for this run; nothing: the one kept for the definition.
    std::optional<EncodingChoice> encoding;
    std::string printerName;  // empty: the default printer
    // Moves the page for this run instead of the printer's own offset (--export: not moved).
    std::optional<PrinterOffset> offset;
    bool verify = false;  // check every barcode first; nothing is output when one fails

    // The mono-pattern choice of a CSZ data file: the record (from 1; 0: none given), the values
    // of the input fields in order, and the number of copies (pages).
    int monoRecord = 0;
    std::vector<std::string> monoInputs;
    int monoCopies = 1;
    bool monoPatternGiven() const { return monoRecord > 0 || !monoInputs.empty(); }
};

// `arguments` without the program name.
QuorviCommandLine parseQuorviCommandLine(const std::vector<std::string>& arguments);

// True when the arguments ask for a mode that runs without a window.
bool runsWithoutWindow(const QuorviCommandLine& commandLine);

std::string quorviHelpText();
std::string quorviVersionText();

// Exit statuses of the command-line modes.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitRefused = 2;  // bad arguments or a refused definition

}  // namespace qv
