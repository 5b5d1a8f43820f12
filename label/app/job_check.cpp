#include "label/app/job_check.h"

#include <vector>

#include "label/app/job_pages.h"

namespace qv {

bool checkJob(LabelPrintJob& job, const LabelDefinition& definition, int dpi, int first, int last,
              VerifyReport& report, std::string& error) {
    // The painter runs on one thread at a time, so the job and this list need no more guard.
    std::vector<PlacedBarcode> drawn;
    job.observeBarcodes([&drawn](const DrawnBarcode& b) { drawn.push_back(placedBarcode(b)); });
    const PlannedPagePainter paint = [&](DrawSurface& surface, int page) {
        drawn.clear();
        job.printPage(surface, page);
        return planReading(definition, drawn, dpi);
    };
    const PageFormat format = pageFormatOf(job);
    const bool done = checkPages(format, checkDevice(dpi, static_cast<int>(format.heightMm)), first,
                                 last, paint, report, error);
    job.observeBarcodes({});
    return done;
}

}  // namespace qv
