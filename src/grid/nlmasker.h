// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed mask of Dutch cache regions over the grid.
#pragma once

#include <array>
#include <cstdint>

#include "grid/grid.h"

namespace kz {

// The fixed mask of Dutch cache regions: nl(rij, kolom) is 1 for the 627 cells in which
// Dutch caches lie, 0 for every other cell.
class NlMasker {
public:
    int16_t operator()(int rij, int kolom) const { return vlaggen_[vakindex(rij, kolom)]; }
    void zet(int rij, int kolom) { vlaggen_[vakindex(rij, kolom)] = 1; }

private:
    std::array<int16_t, aantalVakken> vlaggen_{};
};

// Sets the 627 cells of the Dutch region mask to 1; touches no other cell.
void leesnl(NlMasker& nl);

// The mask of Dutch cache regions, filled once; every pass and every map reads this one.
const NlMasker& nederlandseRegios();

} // namespace kz
