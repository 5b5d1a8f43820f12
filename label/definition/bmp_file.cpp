#include "label/definition/bmp_file.h"

#include "common/file_io.h"

namespace qv {

const char* const kBitmapTooManyColours = "ビットマップは２５６色以下を扱えます。";

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;  // the Windows information header
constexpr uint32_t kCoreHeaderSize = 12;  // the older OS/2 core header
constexpr int kMaxDimension = 1 << 15;    // far beyond any label bitmap
constexpr uint32_t kRle8 = 1;             // run-length encoded pixels: shorter than the rows
constexpr uint32_t kRle4 = 2;

uint32_t le(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// The colour table: 4 bytes an entry after an information header, 3 after a core header.
bool readPalette(std::string_view bytes, uint32_t headerSize, uint32_t usedColours, BmpInfo& info) {
    const size_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
    const size_t maxEntries = size_t{1} << info.bitCount;
    const size_t entries = usedColours > 0 && usedColours < maxEntries ? usedColours : maxEntries;
    const size_t start = kFileHeaderSize + headerSize;
    if (start + entries * entrySize > bytes.size()) return false;
    info.palette.clear();
    for (size_t i = 0; i < entries; ++i)
        info.palette.push_back(le(bytes, start + i * entrySize, 3));
    return true;
}

// The pixel rows must lie inside the file: each row is padded to 4 bytes.
bool pixelsFit(std::string_view bytes, const BmpInfo& info) {
    const uint64_t rowBytes = (static_cast<uint64_t>(info.width) * info.bitCount + 31) / 32 * 4;
    const uint64_t rows =
        static_cast<uint64_t>(info.height < 0 ? -static_cast<int64_t>(info.height) : info.height);
    return info.pixelOffset <= bytes.size() && rowBytes * rows <= bytes.size() - info.pixelOffset;
}

}  // namespace

BmpStatus parseBmp(std::string_view bytes, BmpInfo& info) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes.substr(0, 2) != "BM") {
        return BmpStatus::NotABitmap;
    }
    const uint32_t headerSize = le(bytes, kFileHeaderSize, 4);
    if (headerSize < kCoreHeaderSize || headerSize > bytes.size() - kFileHeaderSize) {
        return BmpStatus::NotABitmap;
    }
    const size_t h = kFileHeaderSize;
    BmpInfo read;
    read.pixelOffset = le(bytes, 10, 4);
    uint32_t usedColours = 0;
    uint32_t compression = 0;
    if (headerSize >= kInfoHeaderSize) {
        read.width = static_cast<int32_t>(le(bytes, h + 4, 4));
        read.height = static_cast<int32_t>(le(bytes, h + 8, 4));
        read.bitCount = static_cast<int>(le(bytes, h + 14, 2));
        compression = le(bytes, h + 16, 4);
        usedColours = le(bytes, h + 32, 4);
    } else {
        read.width = static_cast<int>(le(bytes, h + 4, 2));
        read.height = static_cast<int>(le(bytes, h + 6, 2));
        read.bitCount = static_cast<int>(le(bytes, h + 10, 2));
    }
    if (read.width <= 0 || read.width > kMaxDimension || read.height == 0 ||
        read.height > kMaxDimension || read.height < -kMaxDimension) {
        return BmpStatus::NotABitmap;
    }
    if (read.bitCount != 1 && read.bitCount != 4 && read.bitCount != 8) {
        return BmpStatus::UnsupportedDepth;
    }
    const bool runLength = compression == kRle8 || compression == kRle4;
    const bool pixelsInside = runLength ? read.pixelOffset < bytes.size() : pixelsFit(bytes, read);
    if (!readPalette(bytes, headerSize, usedColours, read) || !pixelsInside) {
        return BmpStatus::NotABitmap;
    }
    info = std::move(read);
    return BmpStatus::Ok;
}

int LoadBitmapFile(const std::string& path, LoadedBitmap& bitmap, BmpStatus* status) {
    std::string bytes;
    BmpInfo info;
    BmpStatus result = BmpStatus::CannotRead;
    if (readWholeFile(path, bytes, kLargestBitmapFile) == ReadStatus::Ok)
        result = parseBmp(bytes, info);
    if (status != nullptr) *status = result;
    if (result != BmpStatus::Ok) return -1;
    bitmap.bytes = std::move(bytes);
    bitmap.info = std::move(info);
    bitmap.device.reset();
    return bitmap.info.bitCount;
}

}  // namespace qv
