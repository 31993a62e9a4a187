// SPDX-License-Identifier: GPL-3.0-or-later
// One waypoint of a found log, as the scan hands it to the tally.
#pragma once

#include <cstdint>
#include <functional>

#include "grid/vak.h"

namespace kz {

struct Waypoint {
    Vak vak;             // cell of its coordinate (may lie outside the grid)
    int16_t jaargev = 0; // found year; 0 without a found-date line
    int16_t isnl = 0;    // 1 once its country line named the Netherlands
};

using WaypointAfnemer = std::function<void(const Waypoint&)>;

} // namespace kz
