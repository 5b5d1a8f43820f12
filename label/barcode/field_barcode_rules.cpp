#include "label/barcode/field_barcode_rules.h"

#include "label/definition/definition_bits.h"

namespace qv {

BarcodeRules barcodeRulesOf(const LabelDefinition& definition, const FieldPlacement& field) {
    BarcodeRules rules;
    rules.forceCheckCharacter = definition.forceCheckCharacter != 0;
    rules.addStartStop = definition.addStartStop != 0;
    rules.fixedLength = definition.barcodeFixedLength;
    rules.ignoreCheckDigit = ignoresCheckDigit(field);
    return rules;
}

}  // namespace qv
