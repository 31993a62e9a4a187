// SPDX-License-Identifier: GPL-3.0-or-later
// Distances and directions between points on the earth, taken as a sphere.
#pragma once

#include "grid/coordinaat.h"
#include "grid/vakgrenzen.h"

namespace kz {

// The earth's mean radius in kilometres.
inline constexpr double aardstraalKm = 6371.0088;

// Great-circle distance in kilometres (haversine formula, exact for the sphere also for
// points close together).
double afstandKm(Coordinaat a, Coordinaat b);

// Initial bearing from `van` towards `naar` along the great circle, in degrees from north
// clockwise, 0 up to 360. 0 when the points are the same.
double koers(Coordinaat van, Coordinaat naar);

// One of the eight compass points of a bearing: 0 north, 1 north-east, ... 7 north-west,
// each covering 45 degrees centred on its direction.
int windstreek(double graden);

// Distance from p to the nearest point of a cell: 0 when p lies in it.
double afstandTotVakKm(Coordinaat p, const Vakgrenzen& vak);

} // namespace kz
