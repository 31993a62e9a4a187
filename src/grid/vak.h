// SPDX-License-Identifier: GPL-3.0-or-later
// The cell of a coordinate, with the scaled values that the warnings quote.
#pragma once

#include <cstdint>

#include "grid/grid.h"

namespace kz {

// The cell of a coordinate: the scaled values rounded down; one that does not fit a 16-bit
// index (or is no number) becomes an index far outside the grid.
struct Vak {
    double breedte10 = 0; // latitude x 10
    double lengte12 = 0;  // longitude x 12
    int16_t rij = 0;
    int16_t kolom = 0;
};

Vak vakVanCoordinaat(double breedte, double lengte);

} // namespace kz
