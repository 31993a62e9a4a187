// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/vak.h"

#include <cmath>
#include <limits>

namespace kz {

namespace {

// Floor as a 16-bit index; NaN gives 0, out-of-range values saturate at the limits.
int16_t rondAfNaarIndex(double geschaald) {
    if (std::isnan(geschaald)) return 0;
    const double omlaag = std::floor(geschaald);
    if (omlaag <= std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (omlaag >= std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(omlaag);
}

} // namespace

Vak vakVanCoordinaat(double breedte, double lengte) {
    const double breedte10 = breedte * 10.0, lengte12 = lengte * 12.0;
    return {breedte10, lengte12, rondAfNaarIndex(breedte10), rondAfNaarIndex(lengte12)};
}

} // namespace kz
