// SPDX-License-Identifier: GPL-3.0-or-later
// The bounds of a cell of the grid in decimal degrees.
#pragma once

#include "grid/coordinaat.h"

namespace kz {

// Cell (rij, kolom) covers latitudes rij/10 to (rij+1)/10 and longitudes kolom/12 to
// (kolom+1)/12 degrees.
struct Vakgrenzen {
    double zuid = 0, noord = 0, west = 0, oost = 0;

    static constexpr Vakgrenzen van(int rij, int kolom) {
        return {rij / 10.0, (rij + 1) / 10.0, kolom / 12.0, (kolom + 1) / 12.0};
    }
    constexpr Coordinaat midden() const { return {(zuid + noord) / 2, (west + oost) / 2}; }
    constexpr bool bevat(Coordinaat p) const {
        return p.breedte >= zuid && p.breedte <= noord && p.lengte >= west && p.lengte <= oost;
    }
    // The point of the rectangle nearest to p: latitude and longitude each held within
    // the bounds. On cells this small that is within metres of the nearest point along
    // a great circle.
    constexpr Coordinaat dichtstBij(Coordinaat p) const {
        return {p.breedte < zuid ? zuid : p.breedte > noord ? noord : p.breedte,
                p.lengte < west ? west : p.lengte > oost ? oost : p.lengte};
    }
};

} // namespace kz
