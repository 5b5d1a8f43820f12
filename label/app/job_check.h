// The check before printing of a print job's pages: every page drawn as the printer would get
// it, every barcode read back and its quiet zones looked at.
#pragma once

#include <functional>
#include <string>

#include "label/print/barcode_verify.h"
#include "label/print/print_job.h"
#include "platform/page_check.h"

namespace qv {

// The most findings a message lists; the rest are counted.
constexpr size_t kMostFindingsShownOnDesktop = 20;
constexpr size_t kMostFindingsShownOnCommandLine = 100;

// What the pages are checked as: the printer's resolution and what it asks of barcodes.
struct CheckTarget {
    int dpi = kDefaultCheckDpi;
    BarRaster raster;
};

// The target of printer `printer` (empty: the default) for `media`: its resolution (300 dpi
// when it does not tell) and its own adjustment. False with `failure` when it cannot be chosen.
bool printerCheckTarget(const std::string& printer, const PrinterMedia& media,
                        const std::function<PrinterAdjustment(const std::string&)>& adjustmentFor,
                        CheckTarget& target, PrintOutcome& failure);

// Checks pages `first`..`last` of a prepared job as `target` prints them. False with `error`
// when the pages cannot be rendered.
bool checkJob(LabelPrintJob& job, const LabelDefinition& definition, const CheckTarget& target,
              int first, int last, VerifyReport& report, std::string& error);

}  // namespace qv
