#include "label/definition/bitmap_slot.h"

#include <string_view>

#include "common/text_format.h"
#include "label/definition/definition_bits.h"

namespace qv {

namespace {

constexpr size_t kShortestSlotString = 21;  // four five-digit numbers and four commas, plus a path

}  // namespace

std::string bitmapSlotString(const BitmapPlacement& bitmap) {
    if (!isUsed(bitmap)) return {};
    return formatText("%05d,%05d,%05d,%05d,", bitmap.left, bitmap.top, bitmap.right,
                      bitmap.bottom) +
           bitmap.path;
}

BitmapPlacement parseBitmapSlot(const std::string& stored) {
    BitmapPlacement bitmap;
    if (stored.size() < kShortestSlotString) return bitmap;
    int* const numbers[] = {&bitmap.left, &bitmap.top, &bitmap.right, &bitmap.bottom};
    std::string_view rest = stored;
    for (int* number : numbers) {
        const size_t comma = rest.find(',');
        *number = parseLeadingInt(rest.substr(0, comma));
        if (comma == std::string_view::npos) return bitmap;
        rest.remove_prefix(comma + 1);
    }
    bitmap.path = std::string(rest);
    return bitmap;
}

}  // namespace qv
