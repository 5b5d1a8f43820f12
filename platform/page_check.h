// The check before printing on the platform: pages rendered on grey images as the printer gets
// them and their barcodes read back, on two threads, one page at a time each, so memory stays
// that of two pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "label/print/barcode_verify.h"
#include "label/surface/draw_surface.h"
#include "platform/page_output.h"
#include "platform/qpainter_surface.h"

namespace qv {

// Draws page `page` (from 1) on the surface and gives the barcodes to read on it. Called by one
// thread at a time.
using PlannedPagePainter = std::function<std::vector<BarcodeToRead>(DrawSurface&, int page)>;

// The device of the check at `dpi`: two colours and whole dots, as a printer page is drawn.
SurfaceDevice checkDevice(int dpi, int verticalSizeMm);

// Renders pages `first`..`last` for `device` and reads every planned barcode back. False with
// `error` when a page is too large to render.
bool checkPages(const PageFormat& format, const SurfaceDevice& device, int first, int last,
                const PlannedPagePainter& paint, VerifyReport& report, std::string& error);

}  // namespace qv
