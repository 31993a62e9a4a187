// SPDX-License-Identifier: GPL-3.0-or-later
// A cell of the grid as the export of the regions describes it: where it lies, its
// status and its finds over the years.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "grid/gevonden.h"
#include "grid/nlmasker.h"
#include "grid/vakgrenzen.h"

namespace kz {

struct Regio {
    enum class Status { NietBezocht, Bezocht, Fake };

    int rij = 0;
    int kolom = 0;
    Status status = Status::NietBezocht;
    int32_t vondsten = 0; // Dutch finds over all found years
    std::vector<std::pair<int, int32_t>> perJaar; // (year, finds) of each year slot with finds, ascending

    // The first year slot with a find; 0 when none has one.
    int eersteVondstjaar() const { return perJaar.empty() ? 0 : perJaar.front().first; }

    Vakgrenzen grenzen() const { return Vakgrenzen::van(rij, kolom); }

    // The 627 Dutch cache regions and the cells outside the mask that have finds, in the
    // order of vakindex (north to south, west to east).
    static std::vector<Regio> alle(const Gevonden& gevonden, const NlMasker& nl);
};

} // namespace kz
