// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/kaarten.h"

#include <cstddef>

namespace kz {

namespace {

// Indices of the legend boxes that decide a cell's kind.
constexpr int vakjeNietBezocht = 0;
constexpr int vakjeBezocht = 1;
constexpr int vakjeZonderNl = 2;
constexpr int vakjeFake = 3;

// Colour of a cell in the mask with n >= 1 finds.
Kleur bezochtKleur(int32_t n, bool kleurschakering) {
    return vakjeKleuren[static_cast<std::size_t>(kleurschakering ? klasseVakje(n) : vakjeBezocht)];
}

Kleur vakjeKleur(int vakje) { return vakjeKleuren[static_cast<std::size_t>(vakje)]; }

} // namespace

Kaarten kleurKaarten(const Gevonden& gevonden, const NlMasker& nl, const std::array<int, 3>& jaren, bool kleurschakering) {
    Kaarten k;
    for (int rij = laatsteRij; rij >= eersteRij; --rij) {
        for (int kolom = eersteKolom; kolom <= laatsteKolom; ++kolom) {
            const auto index = static_cast<std::size_t>(vakindex(rij, kolom));
            const bool inMasker = nl(rij, kolom) > 0;

            // Main map: all found years together.
            const int32_t totaal = gevonden(totaalslot, rij, kolom);
            Kleur& hoofd = k.kleur[0][index];
            if (totaal > 0 && inMasker) {
                hoofd = bezochtKleur(totaal, kleurschakering);
                ++k.bezocht;
            } else if (totaal > 0) {
                hoofd = vakjeKleur(vakjeFake);
                ++k.fakeregio;
            } else if (inMasker) {
                hoofd = vakjeKleur(vakjeNietBezocht);
                ++k.nietbezocht;
            } else {
                hoofd = vakjeKleur(vakjeZonderNl);
                ++k.zondernl;
            }

            // Year maps: the finds of their own year only; the all-years slot is never read.
            for (std::size_t m = 0; m < 3; ++m) {
                const int jaar = jaren[m];
                // A year without a slot (none of its finds counted) reads as 0.
                const int32_t n = gevonden(jaar, rij, kolom);
                Kleur& kleur = k.kleur[m + 1][index];
                if (n > 0 && inMasker) {
                    ++k.jrvak[m];
                    // A region is new in this year when no earlier year slot holds a find.
                    int64_t eerder = 0;
                    for (int j = eersteJaar; j < jaar; ++j) eerder += gevonden(j, rij, kolom);
                    if (eerder == 0) ++k.nieuw[m];
                    kleur = bezochtKleur(n, kleurschakering);
                } else if (n > 0) {
                    kleur = vakjeKleur(vakjeFake);
                } else if (inMasker) {
                    kleur = vakjeKleur(vakjeNietBezocht);
                } else {
                    kleur = vakjeKleur(vakjeZonderNl);
                }
            }
        }
    }
    return k;
}

} // namespace kz
