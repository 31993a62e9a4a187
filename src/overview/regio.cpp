// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/regio.h"

namespace kz {

std::vector<Regio> Regio::alle(const Gevonden& gevonden, const NlMasker& nl) {
    std::vector<Regio> regios;
    for (int i = 0; i < aantalVakken; ++i) {
        Regio r;
        r.rij = rijVanIndex(i);
        r.kolom = kolomVanIndex(i);
        r.vondsten = gevonden(totaalslot, r.rij, r.kolom);
        const bool inMasker = nl(r.rij, r.kolom) > 0;
        if (!inMasker && r.vondsten == 0) continue;
        r.status = !inMasker ? Status::Fake : r.vondsten > 0 ? Status::Bezocht : Status::NietBezocht;
        for (int jaar = eersteJaar; r.vondsten > 0 && jaar <= gevonden.laatsteSlot(); ++jaar)
            if (const int32_t n = gevonden(jaar, r.rij, r.kolom); n > 0) r.perJaar.emplace_back(jaar, n);
        regios.push_back(std::move(r));
    }
    return regios;
}

} // namespace kz
