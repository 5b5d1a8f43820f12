#include "label/app/job_check.h"

#include <vector>

#include "label/app/job_pages.h"
#include "platform/cups_printing.h"

namespace qv {

bool printerCheckTarget(const std::string& printer, const PrinterMedia& media,
                        const std::function<PrinterAdjustment(const std::string&)>& adjustmentFor,
                        CheckTarget& target, PrintOutcome& failure) {
    PrinterFacts facts;
    if (!CupsPrinting().choose(printer, media, facts, failure)) return false;
    target.dpi = facts.dpi > 0 ? facts.dpi : kDefaultCheckDpi;
    if (adjustmentFor) {
        const PrinterAdjustment a = adjustmentFor(facts.name);
        target.raster = {a.wholeDotModules, a.barWidthReductionDots};
    }
    return true;
}

bool checkJob(LabelPrintJob& job, const LabelDefinition& definition, const CheckTarget& target,
              int first, int last, VerifyReport& report, std::string& error) {
    const int dpi = target.dpi;
    // The painter runs on one thread at a time, so the job and this list need no more guard.
    std::vector<PlacedBarcode> drawn;
    job.observeBarcodes([&drawn](const DrawnBarcode& b) { drawn.push_back(placedBarcode(b)); });
    const PlannedPagePainter paint = [&](DrawSurface& surface, int page) {
        drawn.clear();
        job.printPage(surface, page);
        return planReading(definition, drawn, dpi);
    };
    const PageFormat format = pageFormatOf(job);
    SurfaceDevice device = checkDevice(dpi, static_cast<int>(format.heightMm));
    device.barRaster = target.raster;
    const bool done = checkPages(format, device, first, last, paint, report, error);
    job.observeBarcodes({});
    return done;
}

}  // namespace qv
