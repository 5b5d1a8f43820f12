// Small BMP files built in memory for the tests, in both header forms.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv::test {

inline void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline uint32_t bmpRowBytes(int width, int bitCount) {
    return (static_cast<uint32_t>(width) * static_cast<uint32_t>(bitCount) + 31) / 32 * 4;
}

// The file header and the information header up to the bit count: `infoBytes` long, with the
// width and height in `sizeBytes` bytes each, the pixels after `paletteBytes` of colour table.
inline std::string bmpHeaders(int width, int height, int bitCount, uint32_t infoBytes,
                              int sizeBytes, uint32_t paletteBytes) {
    const uint32_t rows = static_cast<uint32_t>(height);
    const uint32_t offset = 14 + infoBytes + paletteBytes;
    std::string out = "BM";
    putLe(out, offset + bmpRowBytes(width, bitCount) * rows, 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, infoBytes, 4);
    putLe(out, static_cast<uint32_t>(width), sizeBytes);
    putLe(out, rows, sizeBytes);
    putLe(out, 1, 2);
    putLe(out, static_cast<uint32_t>(bitCount), 2);
    return out;
}

// A BMP as Windows writes it: file header, 40-byte information header, `colours` table entries
// (entry 1 red, the others black), rows padded to 4 bytes and filled with 0x55.
inline std::string bmpBytes(int width, int height, int bitCount, int colours) {
    std::string out =
        bmpHeaders(width, height, bitCount, 40, 4, 4 * static_cast<uint32_t>(colours));
    for (int i = 0; i < 6; ++i) putLe(out, 0, 4);
    for (int i = 0; i < colours; ++i) putLe(out, i == 1 ? 0x00FF0000 : 0, 4);
    out.append(bmpRowBytes(width, bitCount) * static_cast<uint32_t>(height), '\x55');
    return out;
}

// The older form: a 12-byte core header with 16-bit sizes, 3-byte colour entries (0x00RRGGBB),
// rows filled with zero bytes.
inline std::string coreBmpBytes(int width, int height, int bitCount,
                                const std::vector<uint32_t>& palette) {
    std::string out =
        bmpHeaders(width, height, bitCount, 12, 2, 3 * static_cast<uint32_t>(palette.size()));
    for (uint32_t colour : palette) putLe(out, colour, 3);
    out.append(bmpRowBytes(width, bitCount) * static_cast<uint32_t>(height), '\0');
    return out;
}

}  // namespace qv::test
