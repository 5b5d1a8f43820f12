// Windows BMP files as the label's two bitmaps use them: the header is read here, every size and
// offset checked against the file's length before use, so a damaged or hostile file is refused
// like an unreadable one and never read past.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_io.h"
#include "label/surface/draw_surface.h"

namespace qv {

enum class BmpStatus {
    Ok,
    CannotRead,        // missing or unreadable file
    NotABitmap,        // no "BM", a header that does not fit, sizes that leave the file
    UnsupportedDepth,  // more than 256 colours
};

struct BmpInfo {
    int width = 0;
    int height = 0;  // negative: rows stored top-down
    int bitCount = 0;
    uint32_t pixelOffset = 0;       // where the pixel rows start in the file
    std::vector<uint32_t> palette;  // 0x00RRGGBB, for 1, 4 and 8 bits per pixel
};

// Reads the header of a BMP held in memory. Only 1, 4 and 8 bits per pixel are accepted.
BmpStatus parseBmp(std::string_view bytes, BmpInfo& info);

// A bitmap loaded with a definition: the whole file in memory and what its header says. The
// surface that draws it first keeps its decoded image in `device`.
struct LoadedBitmap {
    std::string bytes;
    BmpInfo info;
    mutable std::shared_ptr<void> device;
    bool loaded() const { return !bytes.empty(); }
    BitmapImage image() const { return {bytes, info.width, info.height, &device}; }
};

// Loads `path`; gives the bit count, or -1 when the file cannot be read or is no usable BMP.
// A larger bitmap file is refused as one that cannot be read.
constexpr size_t kLargestBitmapFile = 64 * kMiB;

int LoadBitmapFile(const std::string& path, LoadedBitmap& bitmap, BmpStatus* status = nullptr);

// The message of the bitmap dialog for a depth it cannot take.
extern const char* const kBitmapTooManyColours;

}  // namespace qv
