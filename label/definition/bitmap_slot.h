// The stored form of a bitmap slot: "%05d,%05d,%05d,%05d,%s" of left, top, right, bottom and
// the path; an empty slot is the empty string.
#pragma once

#include <string>

#include "label/definition/label_definition.h"

namespace qv {

std::string bitmapSlotString(const BitmapPlacement& bitmap);

// A string of 20 characters or fewer is an empty slot. Otherwise the four numbers are read from
// the first four comma-separated items and the path is the rest after the fourth comma, so a
// path that holds a comma is kept whole.
BitmapPlacement parseBitmapSlot(const std::string& stored);

}  // namespace qv
