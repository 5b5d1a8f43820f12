#include "platform/bitmap_decoding.h"

#include <QByteArray>

namespace qv {

QImage decodedBitmap(const BitmapImage& bitmap) {
    if (bitmap.deviceCache != nullptr && *bitmap.deviceCache) {
        return *static_cast<const QImage*>(bitmap.deviceCache->get());
    }
    const QByteArray bytes = QByteArray::fromRawData(
        bitmap.fileBytes.data(), static_cast<qsizetype>(bitmap.fileBytes.size()));
    QImage image = QImage::fromData(bytes, "BMP");
    // fromRawData does not own the bytes: detach before they may go away.
    image.detach();
    if (bitmap.deviceCache != nullptr && !image.isNull()) {
        *bitmap.deviceCache = std::make_shared<QImage>(image);
    }
    return image;
}

}  // namespace qv
