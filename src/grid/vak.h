// SPDX-License-Identifier: GPL-3.0-or-later
// The cell of a coordinate, with the scaled values that the warnings quote, and the
// rounding to a 16-bit whole number that its index and a found year share.
#pragma once

#include <cstdint>

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

// A value rounded to the nearest whole number with halves to even, saturated to the
// 16-bit range (NaN gives 0).
int16_t rondAfNaarInt16(double waarde);

} // namespace kz
