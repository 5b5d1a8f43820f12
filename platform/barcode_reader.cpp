#include "platform/barcode_reader.h"

#include <QTransform>

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

namespace qv {

namespace {

ZXing::BarcodeFormat formatOf(BarcodeKind kind, bool ean13) {
    switch (kind) {
        case BarcodeKind::Jan:
            return ean13 ? ZXing::BarcodeFormat::EAN13 : ZXing::BarcodeFormat::EAN8;
        case BarcodeKind::Itf:
            return ZXing::BarcodeFormat::ITF;
        case BarcodeKind::Nw7:
            return ZXing::BarcodeFormat::Codabar;
        case BarcodeKind::Code39:
            return ZXing::BarcodeFormat::Code39;
        case BarcodeKind::Text:
        case BarcodeKind::Code128:
            break;
    }
    return ZXing::BarcodeFormat::None;
}

}  // namespace

std::optional<std::string> readBarcode(const QImage& page, const QRect& area, BarcodeKind kind,
                                       bool ean13, bool vertical) {
    const ZXing::BarcodeFormat format = formatOf(kind, ean13);
    const QRect crop = area.intersected(page.rect());
    if (format == ZXing::BarcodeFormat::None || crop.isEmpty() ||
        page.format() != QImage::Format_Grayscale8) {
        return std::nullopt;
    }
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryRotate(false);
    hints.setTryCode39ExtendedMode(false);
    hints.setValidateCode39CheckSum(false);
    hints.setValidateITFCheckSum(false);
    hints.setReturnCodabarStartEnd(true);
    hints.setMaxNumberOfSymbols(1);
    ZXing::Result result;
    if (vertical) {
        const QImage upright = page.copy(crop).transformed(QTransform().rotate(-90));
        result =
            ZXing::ReadBarcode({upright.constBits(), upright.width(), upright.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(upright.bytesPerLine())},
                               hints);
    } else {
        const uchar* first = page.constScanLine(crop.top()) + crop.left();
        result = ZXing::ReadBarcode({first, crop.width(), crop.height(), ZXing::ImageFormat::Lum,
                                     static_cast<int>(page.bytesPerLine())},
                                    hints);
    }
    if (!result.isValid()) return std::nullopt;
    return result.text();
}

}  // namespace qv
