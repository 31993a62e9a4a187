// SPDX-License-Identifier: GPL-3.0-or-later
// One walk over the 1316 cells colours the main map and the three year maps and counts
// the kinds of cell.
#pragma once

#include <array>
#include <cstdint>

#include "grid/gevonden.h"
#include "grid/nlmasker.h"
#include "overview/kleur.h"

namespace kz {

// Map 0 is the main map vak; maps 1..3 are the year maps of jr1..jr3.
struct Kaarten {
    std::array<std::array<Kleur, aantalVakken>, 4> kleur{};
    int32_t nietbezocht = 0;
    int32_t bezocht = 0;
    int32_t zondernl = 0;
    int32_t fakeregio = 0;
    std::array<int32_t, 3> jrvak{};
    std::array<int32_t, 3> nieuw{};
};

Kaarten kleurKaarten(const Gevonden& gevonden, const NlMasker& nl, const std::array<int, 3>& jaren, bool kleurschakering);

} // namespace kz
