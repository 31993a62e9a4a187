// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/voortgang.h"

#include <array>
#include <cstddef>

#include "overview/overzicht.h"

namespace kz {

Voortgang Voortgang::van(const Overzicht& overzicht, const NlMasker& nl) {
    const Gevonden& gevonden = overzicht.gevonden;
    const Telling::PerJaar& perJaar = overzicht.perJaar;
    Voortgang v;
    std::array<bool, aantalVakken> bezocht{};    // visited by a dated find so far
    std::array<int32_t, aantalVakken> gedateerd{}; // finds with a year slot, per cell
    for (int i = 0; i < aantalVakken; ++i) v.aantalRegios += nl(rijVanIndex(i), kolomVanIndex(i)) > 0;

    std::size_t eerste = 0;
    while (eerste < perJaar.totaal.size() && perJaar.totaal[eerste] == 0) ++eerste;
    int32_t totNu = 0;
    for (std::size_t j = eerste; j < perJaar.totaal.size(); ++j) {
        Jaar rij{eersteJaar + int(j), perJaar.totaal[j], perJaar.nltotaal[j]};
        for (int i = 0; i < aantalVakken; ++i) {
            const int r = rijVanIndex(i), k = kolomVanIndex(i);
            const int32_t n = gevonden(rij.jaar, r, k);
            gedateerd[std::size_t(i)] += n;
            if (n == 0 || nl(r, k) == 0) continue;
            ++rij.regios;
            if (!bezocht[std::size_t(i)]) {
                bezocht[std::size_t(i)] = true;
                ++rij.nieuw;
            }
        }
        totNu += rij.nieuw;
        rij.totNu = totNu;
        v.jaren.push_back(rij);
    }

    if (perJaar.totaalZonderJaar > 0) {
        Jaar rij{0, perJaar.totaalZonderJaar, perJaar.nltotaalZonderJaar};
        for (int i = 0; i < aantalVakken; ++i) {
            const int r = rijVanIndex(i), k = kolomVanIndex(i);
            const int32_t alle = gevonden(totaalslot, r, k);
            if (nl(r, k) == 0 || alle == 0) continue;
            ++rij.totNu;
            if (alle > gedateerd[std::size_t(i)]) ++rij.regios;
            if (!bezocht[std::size_t(i)]) ++rij.nieuw;
        }
        v.zonderJaar = rij;
    }
    return v;
}

} // namespace kz
