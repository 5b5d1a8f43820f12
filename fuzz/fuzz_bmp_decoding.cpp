// Bitmap pixels: any bytes that pass the header check are decoded as the printing surfaces decode
// them and stretched onto a small page image, as a label bitmap is drawn. A header that was
// accepted and decodes gives an image of the size it states.
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "label/definition/bmp_file.h"
#include "platform/bitmap_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qv::BmpInfo info;
    if (qv::parseBmp(bytes, info) != qv::BmpStatus::Ok) return 0;
    std::shared_ptr<void> cache;
    const qv::BitmapImage bitmap{bytes, info.width, info.height, &cache};
    const QImage image = qv::decodedBitmap(bitmap);
    if (image.isNull()) return 0;
    if (image.width() != info.width || image.height() != std::abs(info.height)) __builtin_trap();
    // A second use comes from the cache and is the same picture.
    if (qv::decodedBitmap(bitmap).cacheKey() != image.cacheKey()) __builtin_trap();
    QImage page(64, 48, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(QRect(3, 2, 57, 41), image);
    return 0;
}
