#include "label/definition/barcode_kind.h"

namespace qv {

BarcodeKind barcodeKindOf(int attributes) {
    switch (attributes & kBarcodeKindMask) {
        case static_cast<int>(BarcodeKind::Jan):
            return BarcodeKind::Jan;
        case static_cast<int>(BarcodeKind::Itf):
            return BarcodeKind::Itf;
        case static_cast<int>(BarcodeKind::Nw7):
            return BarcodeKind::Nw7;
        case static_cast<int>(BarcodeKind::Code39):
            return BarcodeKind::Code39;
        case static_cast<int>(BarcodeKind::Code128):
            return BarcodeKind::Code128;
        default:
            return BarcodeKind::Text;
    }
}

const char* barcodeKindName(BarcodeKind kind) {
    switch (kind) {
        case BarcodeKind::Jan:
            return "JAN CODE";
        case BarcodeKind::Itf:
            return "ITF CODE";
        case BarcodeKind::Nw7:
            return "NW7 CODE";
        case BarcodeKind::Code39:
            return "CODE 39";
        case BarcodeKind::Code128:
            return "CODE 128";
        case BarcodeKind::Text:
            break;
    }
    return "";
}

}  // namespace qv
