#include "label/barcode/field_barcode_rules.h"

namespace qv {

BarcodeRules barcodeRulesOf(const LabelDefinition& definition, const FieldPlacement& field) {
    BarcodeRules rules;
    rules.forceCheckCharacter = definition.forceCheckCharacter != 0;
    rules.addStartStop = definition.addStartStop != 0;
    rules.fixedLength = definition.barcodeFixedLength;
    rules.ignoreCheckDigit = (field.attributes & kBarcodeIgnoreCheckDigit) != 0;
    return rules;
}

}  // namespace qv
