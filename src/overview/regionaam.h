// SPDX-License-Identifier: GPL-3.0-or-later
// The place a cell of the grid is named after: the largest place inside it, or else the
// nearest one; its province is the cell's, so a cell on a border takes one side.
#pragma once

#include "overview/plaats.h"
#include "overview/provincie.h"

namespace kz {

struct Regionaam {
    const Plaats* plaats = nullptr; // never null for a cell of the grid

    Provincie provincie() const { return plaats->provincie; }

    // The name of a cell of the grid (inRaster). Every cell is named once, on the first
    // call, in a table that is never changed after; any thread may call it.
    static const Regionaam& van(int rij, int kolom);
};

} // namespace kz
