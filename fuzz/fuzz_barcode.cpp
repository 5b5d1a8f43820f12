// Barcode values: every kind prepared, validated and encoded under every rule combination, and the
// data editor's validators, on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/message_service.h"
#include "label/barcode/bar_encoding.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/barcode_rules.h"
#include "label/barcode/editor_barcode_rules.h"

namespace {

void encode(qv::BarcodeKind kind, const std::string& value, bool ean13) {
    switch (kind) {
        case qv::BarcodeKind::Jan:
            (void)qv::EncodeJan(value, ean13, 2);
            break;
        case qv::BarcodeKind::Itf:
            (void)qv::EncodeItf(value, 2);
            break;
        case qv::BarcodeKind::Nw7:
            (void)qv::EncodeNw7(value, 2);
            break;
        default:
            (void)qv::EncodeCode39(value, 2);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t switches = data[0];
    const std::string_view raw(reinterpret_cast<const char*>(data) + 1, size - 1);
    qv::BarcodeRules rules;
    rules.forceCheckCharacter = switches & 1;
    rules.addStartStop = switches & 2;
    rules.ignoreCheckDigit = switches & 4;
    rules.fixedLength = (switches >> 4) % 8;
    for (qv::BarcodeKind kind : {qv::BarcodeKind::Jan, qv::BarcodeKind::Itf, qv::BarcodeKind::Nw7,
                                 qv::BarcodeKind::Code39}) {
        const qv::PreparedBarcode prepared = qv::PrepareBarcodeValue(kind, raw, rules);
        if (prepared.value.size() > qv::kMaxBarcodeValueBytes) __builtin_trap();
        std::string value = prepared.value;
        const qv::BarcodeCheck check = qv::ValidateBarcode(kind, value, rules);
        (void)qv::BarcodeErrorText(kind, check.code);
        if (check.valid()) encode(kind, value, prepared.ean13);
        std::string edited(raw);
        std::string message;
        qv::RecordingMessageService messages;
        (void)qv::EditorValidateBarcode(kind, edited, message, messages);
    }
    return 0;
}
