// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/vak.h"

#include <cmath>
#include <limits>

namespace kz {

int16_t rondAfNaarIndex(double geschaald) {
    if (std::isnan(geschaald)) return 0;
    const double omlaag = std::floor(geschaald);
    if (omlaag <= std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (omlaag >= std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(omlaag);
}

Vak vakVanCoordinaat(double breedte, double lengte) {
    Vak v;
    v.breedte10 = breedte * 10.0;
    v.lengte12 = lengte * 12.0;
    v.rij = rondAfNaarIndex(v.breedte10);
    v.kolom = rondAfNaarIndex(v.lengte12);
    return v;
}

} // namespace kz
