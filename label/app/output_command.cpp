#include "label/app/output_command.h"

#include "common/profile_file.h"
#include "common/sjis_text.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "label/print/print_job.h"
#include "platform/page_output.h"

namespace qv {

namespace {

bool openDefinition(CQuorviDoc& document, const std::string& path, MessageService& messages) {
    if (!isDefinitionFileName(path)) {
        messages.exclamation(notADefinitionFileMessage(path));
        return false;
    }
    // As when printing at start-up: a missing data file is reported, no dialog opens.
    document.addOpenStep(
        [&messages](CQuorviDoc& opened) { checkDataFileOnOpen(opened, messages, true, nullptr); });
    return document.openDocument(path);
}

bool sendPages(const QuorviCommandLine& c, LabelPrintJob& job, int pages, std::string& error) {
    const PagePainter paint = [&job](DrawSurface& surface, int page) {
        job.printPage(surface, page);
    };
    if (c.mode == QuorviCommandLine::Mode::Print) {
        const PrinterPaper paper = job.printerPaper();
        PrinterRequest request;
        request.printerName = c.printerName;
        request.landscape = paper.orientation == Orientation::Landscape;
        request.paperCode = paper.paperCode;
        request.customWidthMm = paper.customWidth / 10.0;
        request.customHeightMm = paper.customLength / 10.0;
        return printPages(request, pages, paint, error);
    }
    const PaperSize size = job.paperSize();
    const PageFormat format{static_cast<double>(size.widthMm), static_cast<double>(size.heightMm)};
    if (sjis::upperLastThree(c.outputPath) == "PNG") {
        return writePngs(c.outputPath, format, c.dpi, pages, paint, error);
    }
    return writePdf(c.outputPath, format, pages, paint, error);
}

}  // namespace

int runOutputCommand(const QuorviCommandLine& c, MessageService& messages) {
    CQuorviDoc document(messages);
    if (!openDefinition(document, c.definitionPath, messages)) return kExitRefused;
    if (c.startNumber >= 0) document.definition().serialStartNumber = c.startNumber;
    MacroClock clock;
    MacroTimestamp fixed;
    if (!c.timestamp.empty() && parseTimestamp(c.timestamp, fixed)) clock.fix(fixed);
    const PrintSettings settings = readPrintSettings(ProfileFile(settingsPath("QUORVI32.INI")));
    LabelPrintJob job(document, settings, clock, messages);
    if (!c.dataPath.empty()) job.useDataFile(c.dataPath);
    const int pages = job.prepare();
    if (pages < 1) {
        job.end();
        messages.exclamation("quorvi32: there is no page to print");
        return kExitFailure;
    }
    std::string error;
    const bool sent = sendPages(c, job, pages, error);
    job.end();
    if (!sent) {
        messages.stop("quorvi32: " + error);
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace qv
