// SPDX-License-Identifier: GPL-3.0-or-later
// How far, and in which direction, an unvisited region lies from the user's home.
#pragma once

#include <cstddef>
#include <limits>
#include <vector>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

struct Regioafstand {
    int rij = 0;
    int kolom = 0;
    double km = 0;    // great-circle distance to the region's nearest point; 0 inside it
    double koers = 0; // bearing of that point in degrees from north; 0 inside it
    bool binnen = false; // the region the grid puts the home in

    // How many of the nearest the batch mode prints and the progress dialog lists.
    static constexpr std::size_t dichtstbij = 10;
    // The unvisited Dutch cache regions of `regios` by their distance from `thuis`,
    // nearest first (the home's own region before others at 0 km, else equal distances in
    // the order of vakindex), at most `aantal`.
    static std::vector<Regioafstand> nietBezocht(const std::vector<Regio>& regios, Coordinaat thuis,
                                                 std::size_t aantal = std::numeric_limits<std::size_t>::max());
};

} // namespace kz
