// BMP headers: any bytes are parsed; an accepted header must describe pixels inside the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "label/definition/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qv::BmpInfo info;
    if (qv::parseBmp(bytes, info) != qv::BmpStatus::Ok) return 0;
    if (info.width <= 0 || info.height == 0 || info.pixelOffset > size) __builtin_trap();
    if (info.palette.empty() || info.palette.size() > 256u) __builtin_trap();
    return 0;
}
