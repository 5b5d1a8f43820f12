// The definition's fine length unit, a tenth of a millimetre: bitmap rectangles, printer offsets
// and the logical unit of a printed page are counted in it.
#pragma once

#include <cmath>
#include <type_traits>

namespace qv {

constexpr int kTenthsPerMm = 10;
constexpr int kTenthsPerInch = 254;

constexpr double mmFromTenths(double tenths) {
    return tenths / kTenthsPerMm;
}

// The nearest whole tenth, halves away from zero.
inline int tenthsFromMm(double mm) {
    return static_cast<int>(std::lround(mm * kTenthsPerMm));
}

// Whole millimetres in tenths, exact, in the type of the value given.
template <typename Whole, typename = std::enable_if_t<std::is_integral_v<Whole>>>
constexpr Whole tenthsFromWholeMm(Whole mm) {
    return static_cast<Whole>(mm * kTenthsPerMm);
}

// Logical units per millimetre at a zoom in percent: at 100 % one unit is a tenth of a millimetre.
constexpr int unitsPerMmAtZoom(int zoomPercent) {
    return zoomPercent / (100 / kTenthsPerMm);
}

}  // namespace qv
