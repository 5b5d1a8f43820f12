// The barcode rules of one field as its definition sets them. Apart from barcode_rules.h so that
// the validators stay free of the definition model and the data editor can use them alone.
#pragma once

#include "label/barcode/barcode_rules.h"
#include "label/definition/label_definition.h"

namespace qv {

BarcodeRules barcodeRulesOf(const LabelDefinition& definition, const FieldPlacement& field);

}  // namespace qv
