// Reads one barcode of a known kind back from part of a rendered grey page, with zxing-cpp.
#pragma once

#include <QImage>
#include <QRect>
#include <optional>
#include <string>

#include "label/definition/barcode_kind.h"

namespace qv {

// The text of the symbol of `kind` (JAN as EAN-13 or EAN-8) found in `area` of `page`, a
// Format_Grayscale8 image; a vertical symbol is turned upright first. Nothing when no symbol of
// that kind reads. Codabar keeps its start and stop characters, CODE 39 and ITF give their
// characters as encoded (check characters are not taken off).
std::optional<std::string> readBarcode(const QImage& page, const QRect& area, BarcodeKind kind,
                                       bool ean13, bool vertical);

}  // namespace qv
