#include "label/app/command_line.h"

#include <cstdlib>
#include <set>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/text_macros.h"

#ifndef QUORVI_VERSION
#define QUORVI_VERSION "0"
#endif

namespace qv {

namespace {

constexpr int kMaxDpi = 2400;
constexpr int kMaxStartNumber = 65535;
constexpr int kMaxCszRecord = 501;  // a CSZ file keeps at most this many record lines
constexpr int kMaxCopies = 9999;
constexpr size_t kMaxMonoInputs = 3;

using Mode = QuorviCommandLine::Mode;

QuorviCommandLine withMode(Mode mode) {
    QuorviCommandLine commandLine;
    commandLine.mode = mode;
    return commandLine;
}

QuorviCommandLine invalid(std::string error) {
    QuorviCommandLine commandLine = withMode(Mode::Invalid);
    commandLine.error = std::move(error);
    return commandLine;
}

bool isOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

// A whole number from `low` to `high`, or false.
bool parseNumber(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const int value = std::atoi(text.c_str());
    if (value < low || value > high) return false;
    out = value;
    return true;
}

// Takes the value of an option that needs one; "" when it is missing.
const std::string* valueOf(const std::vector<std::string>& arguments, size_t& i) {
    if (i + 1 >= arguments.size()) return nullptr;
    return &arguments[++i];
}

// Reads one option with a value into the command line; false with `error` set when it is bad.
bool takeValue(const std::string& option, const std::string& value, QuorviCommandLine& c,
               std::string& error) {
    MacroTimestamp unused;
    if (option == "--export") {
        c.mode = Mode::Export;
        c.outputPath = value;
    } else if (option == "--dpi") {
        if (!parseNumber(value, 1, kMaxDpi, c.dpi)) error = "--dpi needs a number from 1 to 2400";
    } else if (option == "--time") {
        if (!parseTimestamp(value, unused)) error = "--time needs \"YYYY-MM-DD HH:MM:SS\"";
        c.timestamp = value;
    } else if (option == "--start") {
        if (!parseNumber(value, 0, kMaxStartNumber, c.startNumber)) {
            error = "--start needs a number from 0 to 65535";
        }
    } else if (option == "--first-label") {
        if (!parseNumber(value, 1, kMaxStartNumber, c.firstLabel)) {
            error = "--first-label needs a number from 1 to 65535";
        }
    } else if (option == "--copies-per-record") {
        if (!parseNumber(value, 1, kMaxCopies, c.copiesPerRecord)) {
            error = "--copies-per-record needs a number from 1 to 9999";
        }
    } else if (option == "--copies-field") {
        c.copiesField = value;
    } else if (option == "--data") {
        c.dataPath = value;
    } else if (option == "--printer") {
        c.printerName = value;
    } else if (option == "--encoding") {
        c.encoding = parseEncodingChoice(value);
        if (!c.encoding) error = "--encoding needs auto, sjis or utf8";
    } else if (option == "--offset") {
        c.offset = parseOffsetPair(value);
        if (!c.offset) error = "--offset needs X,Y in mm with at most one decimal, e.g. 1.5,-0.5";
    } else if (option == "--record") {
        if (!parseNumber(value, 1, kMaxCszRecord, c.monoRecord)) {
            error = "--record needs a number from 1 to 501";
        }
    } else if (option == "--copies") {
        if (!parseNumber(value, 1, kMaxCopies, c.monoCopies)) {
            error = "--copies needs a number from 1 to 9999";
        }
    } else if (option == "--input") {
        if (c.monoInputs.size() == kMaxMonoInputs) error = "--input can be given at most 3 times";
        c.monoInputs.push_back(value);
    }
    return error.empty();
}

// The checks that need the whole command line.
QuorviCommandLine checked(QuorviCommandLine c, const std::set<std::string>& seen) {
    if (c.verify && c.mode == Mode::Desktop) c.mode = Mode::Verify;
    if (c.verify && c.mode != Mode::Export && c.mode != Mode::Print && c.mode != Mode::Verify) {
        return invalid("--verify goes with --export or --print, or alone");
    }
    const bool output = c.mode == Mode::Export || c.mode == Mode::Print || c.mode == Mode::Verify;
    const bool calibration = c.mode == Mode::Calibration;
    if (c.mode != Mode::Desktop && !calibration && c.definitionPath.empty()) {
        return invalid("a definition file (.qvd) is needed");
    }
    for (const char* option :
         {"--dpi", "--time", "--start", "--first-label", "--copies-per-record", "--copies-field",
          "--data", "--record", "--copies", "--input", "--encoding"}) {
        if (seen.count(option) && !output) {
            return invalid(formatText("%s goes with --export or --print", option));
        }
    }
    for (const char* option : {"--printer", "--offset"}) {
        if (seen.count(option) && !output && !calibration) {
            return invalid(
                formatText("%s goes with --export, --print or --calibration-sheet", option));
        }
    }
    if (seen.count("--calibration-sheet") &&
        (seen.count("--export") || seen.count("--print") || seen.count("--listing"))) {
        return invalid("--calibration-sheet prints only the calibration sheet");
    }
    if (seen.count("--printer") && c.mode == Mode::Verify) {
        return invalid("--printer goes with --print");
    }
    if (seen.count("--export") && seen.count("--print")) {
        return invalid("--export and --print cannot be used together");
    }
    if (seen.count("--copies-per-record") && seen.count("--copies-field")) {
        return invalid("--copies-per-record and --copies-field cannot be used together");
    }
    if (seen.count("--record") && seen.count("--input")) {
        return invalid("--record and --input cannot be used together");
    }
    if (c.mode == Mode::Export) {
        const std::string extension = sjis::upperLastThree(c.outputPath);
        const bool dotted = c.outputPath.size() > 4 && c.outputPath[c.outputPath.size() - 4] == '.';
        if (!dotted || (extension != "PDF" && extension != "PNG")) {
            return invalid("the output of --export must end in .pdf or .png: " + c.outputPath);
        }
    }
    return c;
}

}  // namespace

QuorviCommandLine parseQuorviCommandLine(const std::vector<std::string>& arguments) {
    static const std::set<std::string> kWithValue = {
        "--export",       "--dpi",         "--time",
        "--start",        "--first-label", "--copies-per-record",
        "--copies-field", "--data",        "--printer",
        "--record",       "--copies",      "--input",
        "--offset",       "--encoding"};
    QuorviCommandLine c;
    std::set<std::string> seen;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") return withMode(Mode::Help);
        if (argument == "--version") return withMode(Mode::Version);
        if (kWithValue.count(argument)) {
            const std::string* value = valueOf(arguments, i);
            if (value == nullptr) return invalid(argument + " needs a value");
            std::string error;
            if (!takeValue(argument, *value, c, error)) return invalid(error);
            seen.insert(argument);
        } else if (argument == "--verify") {
            c.verify = true;
        } else if (argument == "--listing" || argument == "--print") {
            c.mode = argument == "--listing" ? Mode::Listing : Mode::Print;
            seen.insert(argument);
        } else if (argument == "--calibration-sheet") {
            c.mode = Mode::Calibration;
            seen.insert(argument);
        } else if (isOption(argument)) {
            return invalid(formatText("unknown option: %s", argument.c_str()));
        } else if (!c.definitionPath.empty()) {
            return invalid(
                formatText("only one definition file can be given: %s", argument.c_str()));
        } else {
            c.definitionPath = argument;
        }
    }
    return checked(c, seen);
}

bool runsWithoutWindow(const QuorviCommandLine& commandLine) {
    return commandLine.mode != QuorviCommandLine::Mode::Desktop;
}

std::string quorviHelpText() {
    return "Usage: quorvi32 [DEFINITION.qvd]\n"
           "       quorvi32 --listing DEFINITION.qvd\n"
           "       quorvi32 --export OUTPUT [--dpi N] [--time \"YYYY-MM-DD HH:MM:SS\"] [--start "
           "N]\n"
           "                [--first-label N] [--data FILE] DEFINITION.qvd\n"
           "       quorvi32 --print [--printer NAME] [--time ...] [--start N] [--first-label N]\n"
           "                [--data FILE] DEFINITION.qvd\n"
           "       (--export and --print also take --copies-per-record N or --copies-field NAME,\n"
           "        and --offset X,Y)\n"
           "       quorvi32 --calibration-sheet [--printer NAME] [--offset X,Y] [DEFINITION.qvd]\n"
           "       quorvi32 --verify [--export OUTPUT | --print] [--dpi N] ... DEFINITION.qvd\n"
           "       quorvi32 --export OUTPUT|--print [--record N | --input VALUE...] [--copies N]\n"
           "                DEFINITION.qvd            (with a .csz data file)\n"
           "\n"
           "Designs sheets of barcode labels and prints one label per record of a data file.\n"
           "\n"
           "  DEFINITION.qvd       open this label definition in the desktop program\n"
           "  --listing FILE.qvd   write the definition listing (UTF-8) to stdout and exit\n"
           "  --export OUTPUT      write every page that printing would print, without a window:\n"
           "                       OUTPUT.pdf gives one PDF, one page per sheet; OUTPUT.png\n"
           "                       gives one PNG per page, named OUTPUT-1.png, OUTPUT-2.png ...\n"
           "  --dpi N              resolution of the PNG pages (default 300)\n"
           "  --print              print every page on a printer (CUPS) without a dialog\n"
           "  --printer NAME       the printer to use (default: the system's default printer)\n"
           "  --offset X,Y         move the page X mm right and Y mm down (one decimal) for this\n"
           "                       run; --print otherwise moves it by the printer's own offset\n"
           "                       (設定 > プリンタの調整), --export not at all\n"
           "  --calibration-sheet  print the calibration sheet on the printer: crosshairs 10 mm\n"
           "                       from the paper's edges and scales across every edge, on the\n"
           "                       definition's paper or, without one, the printer's own\n"
           "  --time \"YYYY-MM-DD HH:MM:SS\"\n"
           "                       the print time for date and time codes and the output date,\n"
           "                       so the same command gives the same pages\n"
           "  --start N            start number of the running label number (0 to 65535)\n"
           "  --first-label N      a partly used sheet: begin at label N of the first page (in\n"
           "                       the definition's fill order); the labels before it stay blank\n"
           "  --copies-per-record N\n"
           "                       print every record on N labels (1 to 9999)\n"
           "  --copies-field NAME  print every record on as many labels as its field NAME says\n"
           "                       (an empty or non-number value prints one, with a message)\n"
           "  --data FILE          print this data file with the definition instead of the one\n"
           "                       it names (.csv comma-separated, .txt fixed-length, .csz CSZ)\n"
           "  --encoding auto|sjis|utf8\n"
           "                       the data file's encoding (default: the one chosen for the\n"
           "                       definition in the desktop program, else auto: UTF-8 when it\n"
           "                       begins with a byte-order mark or is valid UTF-8, else "
           "Shift-JIS)\n"
           "  --verify             check before printing: render every page at the printer's\n"
           "                       resolution (--dpi N, default 300, without --print), read\n"
           "                       every barcode back and name each label that does not read\n"
           "                       as its value (page, label, field, value), and warn of items\n"
           "                       in a barcode's quiet zone; when a label fails nothing is\n"
           "                       exported or printed and the exit status is 1. Alone it\n"
           "                       checks and exits: 0 when every barcode reads back\n"
           "\n"
           "With a CSZ data file (.csz) every label of every page shows the same record\n"
           "(mono-pattern printing):\n"
           "  --input VALUE        the value of the next input field (a \"\\@\" item of the\n"
           "                       file's first record); give one --input per field, at most 3\n"
           "  --record N           without input fields: print record N of the file (from 1)\n"
           "  --copies N           the number of copies, one page each (default 1)\n"
           "\n"
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n"
           "\n"
           "Exit status: 0 success, 1 failure while running (with --print: a job the\n"
           "printer refused or CUPS failed, or no print service), 2 bad arguments, a refused\n"
           "definition file or a printer that does not exist; messages go to stderr.\n"
           "Settings are kept in $QUORVI_CONFIG_DIR,\n"
           "else $XDG_CONFIG_HOME/quorvi, else ~/.config/quorvi.\n";
}

std::string quorviVersionText() {
    return std::string("quorvi32 ") + QUORVI_VERSION + "\n";
}

}  // namespace qv
