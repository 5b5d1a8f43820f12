// The data editor's column layout file (extension CSL), which the label program reads too.
//
// One line: the column widths in order, each as "%4d" (right-aligned in 4 characters), written up
// to the first 0 width, with no separator. The label program takes the widths as field lengths.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/file_io.h"

namespace qv {

constexpr int kLayoutSlots = 30;
using LayoutWidths = std::array<int, kLayoutSlots>;

// The line for `widths`: every width before the first 0, each in 4 characters. A width that would
// need more than 4 characters is clamped (-999..9999) so the slices of the line stay aligned.
std::string formatLayoutLine(const LayoutWidths& widths);

// The widths of a layout line: one value per whole 4-character slice (a partial last slice is
// ignored), read as atoi reads it; the first 30 slices at most. Slots after the last value are 0.
// Anything from the first line end on is ignored.
LayoutWidths parseLayoutLine(std::string_view line);

// Reads the first line of the layout file at `path` (a local path) into `widths`. False, with
// `widths` untouched, when the file cannot be read or its first line is empty.
// A larger layout file is not read.
constexpr size_t kLargestLayoutFile = 1 * kMiB;
bool readLayoutFile(const std::string& path, LayoutWidths& widths);

}  // namespace qv
