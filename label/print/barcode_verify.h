// The check before printing: which barcodes of a page are read back, what each must read as,
// and the findings told to the user (labels that do not read back, items in quiet zones).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "label/definition/barcode_kind.h"
#include "label/definition/label_definition.h"
#include "label/print/label_content.h"
#include "label/print/quiet_zone_check.h"

namespace qv {

// A barcode field drawn on a page, kept after the drawing.
struct PlacedBarcode {
    int page = 0;
    int label = 0;
    int field = 0;
    std::string value;  // before preparation (Shift-JIS)
    LogicalPoint corner;
};
PlacedBarcode placedBarcode(const DrawnBarcode& drawn);

// One barcode to read back from the rendered page.
struct BarcodeToRead {
    int page = 0;
    int label = 0;
    int field = 0;
    BarcodeKind kind = BarcodeKind::Text;
    bool ean13 = false;
    bool vertical = false;  // the bars run across the page: read turned upright
    bool drawable = false;  // false: the label shows an error text, nothing can be read
    std::string expected;   // what a reader gives for the intended value
    std::string shown;      // the intended value for messages (UTF-8)
    LogicalRect crop;       // the bars and their quiet zones
    std::vector<Intruder> intruders;
};

// The page's barcodes as they are to be read at `dpi`.
std::vector<BarcodeToRead> planReading(const LabelDefinition& definition,
                                       const std::vector<PlacedBarcode>& page, int dpi);

// The text a reader gives for a value as it is encoded: Codabar with its start and stop
// characters upper-cased, CODE 39 without its '*' start and stop.
std::string readerText(BarcodeKind kind, const std::string& value);

struct BarcodeFinding {
    int page = 0;
    int label = 0;
    int field = 0;
    std::string value;                        // UTF-8
    std::string read;                         // what was read instead (UTF-8); empty: nothing
    bool drawable = true;                     // false: the value cannot be drawn at all
    Intruder intruder = Intruder::FrameLine;  // warnings only
};

struct VerifyReport {
    long long barcodes = 0;
    std::vector<BarcodeFinding> failures;  // labels that do not read back
    std::vector<BarcodeFinding> warnings;  // items in quiet zones
    bool passed() const { return failures.empty(); }
    // Adds the reading `read` (nothing: not decoded) of `barcode`.
    void add(const BarcodeToRead& barcode, const std::optional<std::string>& read);
    // Appends `other` and puts the findings in page, label and field order.
    void merge(VerifyReport other);
};

// Lines for the user, at most `most` findings (failures first) and a line for the rest.
std::vector<std::string> reportLinesJa(const LabelDefinition& definition,
                                       const VerifyReport& report, size_t most);
std::vector<std::string> reportLinesEn(const LabelDefinition& definition,
                                       const VerifyReport& report, size_t most);

// One line on the whole check: how many barcodes, failures and warnings.
std::string reportSummaryJa(const VerifyReport& report);
std::string reportSummaryEn(const VerifyReport& report);

}  // namespace qv
