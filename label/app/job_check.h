// The check before printing of a print job's pages: every page drawn as the printer would get
// it, every barcode read back and its quiet zones looked at.
#pragma once

#include <string>

#include "label/print/barcode_verify.h"
#include "label/print/print_job.h"
#include "platform/page_check.h"

namespace qv {

// The most findings a message lists; the rest are counted.
constexpr size_t kMostFindingsShownOnDesktop = 20;
constexpr size_t kMostFindingsShownOnCommandLine = 100;

// Checks pages `first`..`last` of a prepared job at `dpi`. False with `error` when the pages
// cannot be rendered.
bool checkJob(LabelPrintJob& job, const LabelDefinition& definition, int dpi, int first, int last,
              VerifyReport& report, std::string& error);

}  // namespace qv
