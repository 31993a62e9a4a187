// SPDX-License-Identifier: GPL-3.0-or-later
// Distances and directions between points on the earth, taken as a sphere.
#pragma once

#include "grid/coordinaat.h"
#include "grid/vakgrenzen.h"

namespace kz {

// The earth's mean radius in kilometres.
inline constexpr double aardstraalKm = 6371.0088;

// Great-circle distance in kilometres (haversine formula, exact also for nearby points).
double afstandKm(Coordinaat a, Coordinaat b);

// Initial bearing from `van` towards `naar`, in degrees clockwise from north, 0 up to 360
// (0 when the points are the same).
double koers(Coordinaat van, Coordinaat naar);

// The compass point of a bearing, 45 degrees centred on each: 0 north ... 7 north-west.
int windstreek(double graden);

// Distance from p to the nearest point of a cell: 0 when p lies in it.
double afstandTotVakKm(Coordinaat p, const Vakgrenzen& vak);

} // namespace kz
