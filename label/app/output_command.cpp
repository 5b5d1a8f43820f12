#include "label/app/output_command.h"

#include "common/profile_file.h"
#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/app/calibration_print.h"
#include "label/app/job_check.h"
#include "label/app/job_pages.h"
#include "label/app/quorvi_settings.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/tenths_of_mm.h"
#include "label/editor/forms/mono_pattern_form.h"
#include "label/print/print_job.h"
#include "label/print/printer_media.h"
#include "platform/cups_printing.h"
#include "platform/page_output.h"

namespace qv {

namespace {

// As when printing at start-up: a missing data file is reported, no dialog opens. With another
// data file for the run, the definition's own is not looked at.
bool openDefinition(CQuorviDoc& document, const QuorviCommandLine& c, MessageService& messages) {
    if (!isDefinitionFileName(c.definitionPath)) {
        messages.exclamation(notADefinitionFileMessage(c.definitionPath));
        return false;
    }
    if (c.dataPath.empty()) {
        document.addOpenStep([&messages](CQuorviDoc& opened) {
            checkDataFileOnOpen(opened, messages, true, nullptr);
        });
    }
    return document.openDocument(c.definitionPath);
}

// The data file given with --data must be one the program reads; told before anything opens.
bool dataFileArgumentUsable(const std::string& path, MessageService& messages) {
    if (!dataFileModes(path).usable) {
        messages.exclamation(formatText(
            "quorvi32: --data %s: a data file ends in .TXT, .CSV or .CSZ", path.c_str()));
        return false;
    }
    if (!canReadDataFile(path)) {
        messages.exclamation(formatText(
            "quorvi32: --data %s: cannot be read (missing, a folder or not a regular file)",
            path.c_str()));
        return false;
    }
    return true;
}

// The exit status of a print: 2 for a printer that does not exist (a wrong argument), 1 for
// every other failure, each told with its reason.
int printOnPrinter(const QuorviCommandLine& c, LabelPrintJob& job, int pages,
                   MessageService& messages) {
    PrintRequest request;
    request.printerName = c.printerName;
    request.media = printerMedia(job.printerPaper());
    request.sheet = pageFormatOf(job);
    request.lastPage = pages;
    request.adjustmentFor = printerAdjustmentsOf(quorviSettingsFile(), c.offset);
    const PrintOutcome outcome = printPages(request, pagesOf(job));
    if (outcome.ok()) return kExitSuccess;
    messages.stop("quorvi32: " + printFailureMessage(outcome));
    return outcome.failure == PrintFailure::UnknownPrinter ? kExitRefused : kExitFailure;
}

// An export is moved only by an offset given for the run, never by a printer's own.
bool exportPages(const QuorviCommandLine& c, LabelPrintJob& job, int pages, std::string& error) {
    const PagePainter paint = pagesOf(job);
    PageShift shift;
    if (c.offset) shift = {mmFromTenths(c.offset->xTenths), mmFromTenths(c.offset->yTenths)};
    if (sjis::upperLastThree(c.outputPath) == "PNG") {
        return writePngs(c.outputPath, pageFormatOf(job), c.dpi, pages, paint, error, shift);
    }
    PdfDevice device;
    device.originXMm = shift.xMm;
    device.originYMm = shift.yMm;
    return writePdf(c.outputPath, pageFormatOf(job), pages, paint, error, device);
}

// The mono-pattern choice of a CSZ run from the options, through the dialog's own rules: the
// values of the input fields, or the record to print, and the copies. Gives the page count, or
// 0 after telling why nothing can print.
int chooseMonoPattern(const QuorviCommandLine& c, CQuorviDoc& document, LabelPrintJob& job,
                      MessageService& messages) {
    MonoPatternForm form(document.definition(), *job.cszContent(), messages);
    if (form.recordListMode() && !c.monoInputs.empty()) {
        messages.exclamation("quorvi32: the CSZ file has no input field (\\@): use --record N");
        return 0;
    }
    if (!form.recordListMode() && c.monoRecord > 0) {
        messages.exclamation("quorvi32: the CSZ file has input fields (\\@): use --input VALUE");
        return 0;
    }
    if (static_cast<int>(c.monoInputs.size()) > form.inputCount()) {
        messages.exclamation(
            formatText("quorvi32: the CSZ file has %d input fields, %d --input given",
                       form.inputCount(), static_cast<int>(c.monoInputs.size())));
        return 0;
    }
    for (size_t k = 0; k < c.monoInputs.size(); ++k) {
        form.setInput(static_cast<int>(k) + 1, sjis::fromUtf8(c.monoInputs[k]));
    }
    if (c.monoRecord > 0 && !form.chooseRecord(c.monoRecord - 1)) {
        messages.exclamation(formatText("quorvi32: --record %d: the CSZ file has %d records",
                                        c.monoRecord, static_cast<int>(form.records().size())));
        return 0;
    }
    form.setCopies(c.monoCopies);
    const std::optional<MonoPatternPrint> chosen = form.startPrinting();
    if (!chosen) return 0;
    return job.useMonoPattern(chosen->lines, chosen->copies);
}

// The number (from 1) of the field --copies-field names, 0 without it; -1 after telling that
// the definition has no such field.
int copiesFieldNumber(const QuorviCommandLine& c, const LabelDefinition& d,
                      MessageService& messages) {
    if (c.copiesField.empty()) return 0;
    const std::string name = sjis::fromUtf8(c.copiesField);
    const std::vector<std::string>& names = d.dataFile.fieldNames;
    for (size_t k = 0; k < names.size(); ++k) {
        if (names[k] == name) return static_cast<int>(k) + 1;
    }
    messages.exclamation(formatText("quorvi32: --copies-field %s: the definition has no such field",
                                    c.copiesField.c_str()));
    return -1;
}

// What the check renders for: the printer's resolution and barcode settings for --print, else
// --dpi.
bool checkTargetOf(const QuorviCommandLine& c, LabelPrintJob& job, CheckTarget& target,
                   MessageService& messages, int& status) {
    target.dpi = c.dpi;
    if (c.mode != QuorviCommandLine::Mode::Print) return true;
    PrintOutcome failure;
    if (!printerCheckTarget(c.printerName, printerMedia(job.printerPaper()),
                            printerAdjustmentsOf(quorviSettingsFile(), c.offset), target,
                            failure)) {
        messages.stop("quorvi32: " + printFailureMessage(failure));
        status = failure.failure == PrintFailure::UnknownPrinter ? kExitRefused : kExitFailure;
        return false;
    }
    return true;
}

// --verify: every page checked before anything is output. Gives false with `status` set when
// nothing may be output; the findings are told either way.
bool verifyPages(const QuorviCommandLine& c, CQuorviDoc& document, LabelPrintJob& job, int pages,
                 MessageService& messages, int& status) {
    CheckTarget target;
    if (!checkTargetOf(c, job, target, messages, status)) return false;
    const int dpi = target.dpi;
    VerifyReport report;
    std::string error;
    if (!checkJob(job, document.definition(), target, 1, pages, report, error)) {
        messages.stop("quorvi32: --verify: " + error);
        status = kExitFailure;
        return false;
    }
    std::string text;
    const LabelDefinition& d = document.definition();
    for (const std::string& line : reportLinesEn(d, report, kMostFindingsShownOnCommandLine)) {
        text += "quorvi32: " + line + "\n";
    }
    text += "quorvi32: --verify at " + std::to_string(dpi) + " dpi: " + reportSummaryEn(report);
    if (!report.passed() && c.mode != QuorviCommandLine::Mode::Verify) {
        text += c.mode == QuorviCommandLine::Mode::Print ? "; nothing was printed"
                                                         : "; nothing was written";
    }
    if (report.passed()) {
        messages.information(text);
        return true;
    }
    messages.stop(text);
    status = kExitFailure;
    return false;
}

}  // namespace

int runOutputCommand(const QuorviCommandLine& c, MessageService& messages) {
    if (c.mode == QuorviCommandLine::Mode::Calibration) return runCalibrationCommand(c, messages);
    if (!c.dataPath.empty() && !dataFileArgumentUsable(c.dataPath, messages)) return kExitRefused;
    CQuorviDoc document(messages);
    if (!openDefinition(document, c, messages)) return kExitRefused;
    if (c.startNumber >= 0) document.definition().serialStartNumber = c.startNumber;
    document.dataEncoding =
        c.encoding ? *c.encoding : readDataEncoding(quorviSettingsFile(), c.definitionPath);
    MacroClock clock;
    MacroTimestamp fixed;
    if (!c.timestamp.empty() && parseTimestamp(c.timestamp, fixed)) clock.fix(fixed);
    const PrintSettings settings = readPrintSettings(quorviSettingsFile());
    const int labels = labelsPerPage(document.definition().sheet);
    if (c.firstLabel > 1 && c.firstLabel > labels) {
        messages.exclamation(formatText("quorvi32: --first-label %d: the sheet has %d labels",
                                        c.firstLabel, labels));
        return kExitRefused;
    }
    const int copiesField = copiesFieldNumber(c, document.definition(), messages);
    if (copiesField < 0) return kExitRefused;
    LabelPrintJob job(document, settings, clock, messages);
    job.startAtLabel(c.firstLabel);
    job.printCopies(c.copiesPerRecord, copiesField);
    if (!c.dataPath.empty()) job.useDataFile(c.dataPath);
    int pages = job.prepare();
    if (job.dataFileFailed()) return kExitFailure;  // the reader has told why
    if (job.monoPatternMode() && (c.copiesPerRecord != 1 || !c.copiesField.empty())) {
        job.end();
        messages.exclamation(
            "quorvi32: a CSZ data file prints one record on every label: use --copies N");
        return kExitRefused;
    }
    if (job.monoPatternMode()) {
        pages = chooseMonoPattern(c, document, job, messages);
        if (pages < 1) {
            job.end();
            return kExitFailure;
        }
    } else if (c.monoPatternGiven() || c.monoCopies != 1) {
        job.end();
        messages.exclamation("quorvi32: --record, --input and --copies go with a CSZ data file");
        return kExitRefused;
    }
    if (pages < 1) {
        job.end();
        messages.exclamation("quorvi32: there is no page to print");
        return kExitFailure;
    }
    if (c.verify) {
        int status = kExitSuccess;
        const bool passed = verifyPages(c, document, job, pages, messages, status);
        if (!passed || c.mode == QuorviCommandLine::Mode::Verify) {
            job.end();
            return status;
        }
    }
    if (c.mode == QuorviCommandLine::Mode::Print) {
        const int status = printOnPrinter(c, job, pages, messages);
        job.end();
        return status;
    }
    std::string error;
    const bool sent = exportPages(c, job, pages, error);
    job.end();
    if (!sent) {
        messages.stop("quorvi32: " + error);
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace qv
