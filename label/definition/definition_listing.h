// The definition listing: a text report of the whole definition, one label and value a line.
#pragma once

#include <string>
#include <vector>

#include "label/definition/label_definition.h"

namespace qv {

// An empty part of a line; it is never printed.
inline const std::string kEmptyListingPart = "$/$";

struct ListingLine {
    std::string label;  // UTF-8
    std::string value;  // UTF-8
};

// The lines in order: the title line first, then the data file, the paper with title and footer,
// and one block per data field.
std::vector<ListingLine> buildDefinitionListing(const LabelDefinition& definition);

// The barcode kinds of the placed fields in field order, each once, joined by commas
// ("JAN CODE,NW7 CODE"); "コードなし" when no placed field is a barcode.
std::string usedBarcodeKinds(const LabelDefinition& definition);

// The listing as text: label and value separated by one TAB, an empty part left out, each line
// ended by a line feed.
std::string listingText(const std::vector<ListingLine>& lines);

}  // namespace qv
