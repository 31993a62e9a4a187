// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/provincievoortgang.h"

#include <cstddef>

#include "grid/grid.h"
#include "overview/regionaam.h"

namespace kz {

Provincievoortgang Provincievoortgang::van(const Gevonden& gevonden, const NlMasker& nl) {
    Provincievoortgang v;
    for (std::size_t p = 0; p < aantalProvincies; ++p) v.regels[p].provincie = Provincie(p);
    for (int i = 0; i < aantalVakken; ++i) {
        const int rij = rijVanIndex(i), kolom = kolomVanIndex(i);
        if (nl(rij, kolom) == 0) continue;
        Provincieregel& r = v.regels[std::size_t(Regionaam::van(rij, kolom).provincie())];
        ++r.regios;
        if (gevonden(totaalslot, rij, kolom) > 0) ++r.bezocht;
    }
    return v;
}

} // namespace kz
