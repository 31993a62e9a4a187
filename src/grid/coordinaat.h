// SPDX-License-Identifier: GPL-3.0-or-later
// A point on the earth in decimal degrees.
#pragma once

namespace kz {

struct Coordinaat {
    double breedte = 0; // latitude, north positive
    double lengte = 0;  // longitude, east positive
};

} // namespace kz
