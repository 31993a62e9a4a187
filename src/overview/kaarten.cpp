// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/kaarten.h"

#include <cstddef>

namespace kz {

namespace {

// Indices of the legend boxes that decide a cell's kind.
constexpr std::size_t vakjeNietBezocht = 0;
constexpr std::size_t vakjeBezocht = 1;
constexpr std::size_t vakjeZonderNl = 2;
constexpr std::size_t vakjeFake = 3;

} // namespace

Kaarten kleurKaarten(const Gevonden& gevonden, const NlMasker& nl, const std::array<int, 3>& jaren, bool kleurschakering) {
    Kaarten k;
    for (int rij = laatsteRij; rij >= eersteRij; --rij) {
        for (int kolom = eersteKolom; kolom <= laatsteKolom; ++kolom) {
            const auto index = static_cast<std::size_t>(vakindex(rij, kolom));
            const bool inMasker = nl(rij, kolom) > 0;
            // The colour of a cell with n finds; a visited region by its count class when shaded.
            const auto kleur = [&](int32_t n) {
                if (n > 0 && inMasker) return vakjeKleuren[kleurschakering ? std::size_t(klasseVakje(n)) : vakjeBezocht];
                return vakjeKleuren[n > 0 ? vakjeFake : inMasker ? vakjeNietBezocht : vakjeZonderNl];
            };

            // Main map: all found years together.
            const int32_t totaal = gevonden(totaalslot, rij, kolom);
            k.kleur[0][index] = kleur(totaal);
            if (totaal > 0) ++(inMasker ? k.bezocht : k.fakeregio);
            else ++(inMasker ? k.nietbezocht : k.zondernl);

            // Year maps: the finds of their own year only; the all-years slot is never read.
            for (std::size_t m = 0; m < 3; ++m) {
                const int jaar = jaren[m];
                // A year without a slot (none of its finds counted) reads as 0.
                const int32_t n = gevonden(jaar, rij, kolom);
                k.kleur[m + 1][index] = kleur(n);
                if (n == 0 || !inMasker) continue;
                ++k.jrvak[m];
                // A region is new in this year when no earlier year slot holds a find.
                int64_t eerder = 0;
                for (int j = eersteJaar; j < jaar; ++j) eerder += gevonden(j, rij, kolom);
                if (eerder == 0) ++k.nieuw[m];
            }
        }
    }
    return k;
}

} // namespace kz
