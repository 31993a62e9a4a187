// SPDX-License-Identifier: GPL-3.0-or-later
// Dutch finds counted as the tally counts them: the year's slot, if any, and all years'.
#pragma once

#include "grid/gevonden.h"
#include "grid/grid.h"

namespace kz::test {

// Adds `aantal` finds of `jaar` in cell (rij, kolom). Not inlined: GCC 12 for MinGW at -O3
// warns of an impossible write out of bounds (-Warray-bounds).
[[gnu::noinline]] inline Gevonden& vondst(Gevonden& g, int jaar, int rij, int kolom, int aantal = 1) {
    for (int n = 0; n < aantal; ++n) {
        if (g.magSlot(jaar)) g.telOp(jaar, rij, kolom);
        g.telOp(totaalslot, rij, kolom);
    }
    return g;
}

} // namespace kz::test
