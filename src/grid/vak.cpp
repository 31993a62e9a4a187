// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/vak.h"

#include <cmath>
#include <limits>

namespace kz {

int16_t rondAfNaarInt16(double waarde) {
    if (std::isnan(waarde)) return 0;
    if (waarde >= 32767.0) return std::numeric_limits<int16_t>::max();
    if (waarde <= -32768.0) return std::numeric_limits<int16_t>::min();
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int16_t>(std::nearbyint(waarde));
}

Vak vakVanCoordinaat(double breedte, double lengte) {
    const double breedte10 = breedte * 10.0, lengte12 = lengte * 12.0;
    return {breedte10, lengte12, rondAfNaarInt16(std::floor(breedte10)), rondAfNaarInt16(std::floor(lengte12))};
}

} // namespace kz
