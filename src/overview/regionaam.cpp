// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/regionaam.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "grid/afstand.h"
#include "grid/grid.h"
#include "grid/vak.h"
#include "grid/vakgrenzen.h"

namespace kz {

namespace {

using Tabel = std::array<Regionaam, aantalVakken>;

Tabel noemAlleVakken() {
    Tabel tabel{};
    const auto plaatsen = Plaats::alle();
    // A place lies in the cell that a find at its position would be counted in; of the
    // places in a cell the largest names it, the first in the table on a tie.
    for (const Plaats& p : plaatsen) {
        const Vak v = vakVanCoordinaat(p.breedte, p.lengte);
        if (!inRaster(v.rij, v.kolom)) continue;
        Regionaam& n = tabel[std::size_t(vakindex(v.rij, v.kolom))];
        if (!n.plaats || p.inwoners > n.plaats->inwoners) n.plaats = &p;
    }
    // Any other cell: the nearest place, measured from the cell's nearest point. No
    // place is nearer than its difference in latitude alone, which passes over most
    // of them without the full formula.
    constexpr double kmPerGraad = aardstraalKm * std::numbers::pi / 180.0;
    for (int i = 0; i < aantalVakken; ++i) {
        Regionaam& n = tabel[std::size_t(i)];
        if (n.plaats) continue;
        const Vakgrenzen g = Vakgrenzen::van(rijVanIndex(i), kolomVanIndex(i));
        double besteKm = 0;
        for (const Plaats& p : plaatsen) {
            const double breedteverschil = p.breedte < g.zuid ? g.zuid - p.breedte : p.breedte > g.noord ? p.breedte - g.noord : 0;
            if (n.plaats && breedteverschil * kmPerGraad >= besteKm) continue;
            const double km = afstandTotVakKm(p.positie(), g);
            if (!n.plaats || km < besteKm) {
                n.plaats = &p;
                besteKm = km;
            }
        }
    }
    return tabel;
}

} // namespace

const Regionaam& Regionaam::van(int rij, int kolom) {
    static const Tabel tabel = noemAlleVakken();
    return tabel[std::size_t(vakindex(rij, kolom))];
}

} // namespace kz
