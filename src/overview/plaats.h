// SPDX-License-Identifier: GPL-3.0-or-later
// A Dutch place with at least 1000 inhabitants, from GeoNames (CC BY 4.0), after which
// the regions are named. The table is built into the program (data/plaatsen/plaatsen.inc,
// made by data/plaatsen/maak_plaatsen.sh), so every build names the regions alike.
#pragma once

#include <cstdint>
#include <span>

#include "grid/coordinaat.h"
#include "overview/provincie.h"

namespace kz {

struct Plaats {
    const char* naam; // UTF-8, as GeoNames writes it
    double breedte;
    double lengte;
    std::int32_t inwoners;
    Provincie provincie;

    constexpr Coordinaat positie() const { return {breedte, lengte}; }

    // Every place of the table, sorted by name.
    static std::span<const Plaats> alle();
};

} // namespace kz
