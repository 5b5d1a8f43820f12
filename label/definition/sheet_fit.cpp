#include "label/definition/sheet_fit.h"

namespace qv {

int fitCount(int paperMm, int offsetMm, int reserveMm, int labelMm) {
    if (labelMm <= 0) return 0;
    const long long room = static_cast<long long>(paperMm) - offsetMm - reserveMm;
    if (room <= 0) return 0;
    return static_cast<int>(room / labelMm);
}

}  // namespace qv
