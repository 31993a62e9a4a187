// SPDX-License-Identifier: GPL-3.0-or-later
// The per-pass count array of Dutch finds per year and cell.
#pragma once

#include <array>
#include <cstdint>

#include "grid/grid.h"

namespace kz {

// Per-pass counts of Dutch finds: gevonden(jaar, rij, kolom) for jaar 2000..2015.
// 32-bit counters, so keen geocachers never overflow a cell.
class Gevonden {
public:
    int32_t operator()(int jaar, int rij, int kolom) const { return tellers_[plek(jaar, rij, kolom)]; }
    void telOp(int jaar, int rij, int kolom) { ++tellers_[plek(jaar, rij, kolom)]; }

private:
    static constexpr int plek(int jaar, int rij, int kolom) {
        return ((jaar - totaalslot) * aantalRijen + (rij - eersteRij)) * aantalKolommen + (kolom - eersteKolom);
    }
    std::array<int32_t, (laatsteJaar - totaalslot + 1) * aantalVakken> tellers_{};
};

} // namespace kz
