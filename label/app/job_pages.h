// A print job's pages as the page output takes them: the painter of its pages and their size.
// The export, --print and the desktop print all hand a job over this way.
#pragma once

#include "label/print/print_job.h"
#include "platform/page_output.h"

namespace qv {

inline PagePainter pagesOf(LabelPrintJob& job) {
    return [&job](DrawSurface& surface, int page) { job.printPage(surface, page); };
}

inline PageFormat pageFormatOf(const LabelPrintJob& job) {
    const PaperSize size = job.paperSize();
    return {static_cast<double>(size.widthMm), static_cast<double>(size.heightMm)};
}

}  // namespace qv
