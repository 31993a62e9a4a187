// SPDX-License-Identifier: GPL-3.0-or-later
// The per-pass count array of Dutch finds per year and cell.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid/grid.h"

namespace kz {

// Per-pass counts of Dutch finds: gevonden(jaar, rij, kolom). The slot of 2000
// (totaalslot) holds each cell's count over all found years, the slots 2001..2015 always
// exist, and a later year gets its slot with its first find, up to the last year given
// at construction (never past uitersteJaar). 32-bit counters, so no cell overflows.
class Gevonden {
public:
    // `hoogsteJaar` is the last year that may get a slot (see laatsteJaarslot).
    explicit Gevonden(int hoogsteJaar = laatsteJaar)
        : hoogste_(laatsteJaarslot(hoogsteJaar)), tellers_(std::size_t(laatsteJaar - totaalslot + 1) * aantalVakken) {}

    // A year without a slot (before 2001, or later than the last slot) holds nothing.
    int32_t operator()(int jaar, int rij, int kolom) const {
        return jaar >= totaalslot && jaar <= laatsteSlot() ? tellers_[plek(jaar, rij, kolom)] : 0;
    }
    // Adds one find to totaalslot or to a year for which magSlot holds; any other year
    // is left out, so that no year can grow the array past its bound.
    void telOp(int jaar, int rij, int kolom) {
        if (jaar != totaalslot && !magSlot(jaar)) return;
        const std::size_t p = plek(jaar, rij, kolom);
        if (p >= tellers_.size()) tellers_.resize((std::size_t(jaar - totaalslot) + 1) * aantalVakken);
        ++tellers_[p];
    }

    // Whether a year may be counted in a slot of its own: 2001 up to the last year allowed.
    bool magSlot(int jaar) const { return jaar >= eersteJaar && jaar <= hoogste_; }
    // The last year with a slot: 2015, or the latest year counted after it.
    int laatsteSlot() const { return totaalslot + int(tellers_.size() / aantalVakken) - 1; }

private:
    static constexpr std::size_t plek(int jaar, int rij, int kolom) {
        return std::size_t(((jaar - totaalslot) * aantalRijen + (rij - eersteRij)) * aantalKolommen + (kolom - eersteKolom));
    }
    int hoogste_;
    std::vector<int32_t> tellers_;
};

} // namespace kz
