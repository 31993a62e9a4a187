// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/regioafstand.h"

#include <algorithm>

#include "grid/afstand.h"

namespace kz {

std::vector<Regioafstand> Regioafstand::nietBezocht(const std::vector<Regio>& regios, Coordinaat thuis,
                                                    std::size_t aantal) {
    std::vector<Regioafstand> lijst;
    for (const Regio& r : regios) {
        if (r.status != Regio::Status::NietBezocht) continue;
        const Vakgrenzen g = r.grenzen();
        Regioafstand a{r.rij, r.kolom, 0, 0, g.bevat(thuis)};
        if (!a.binnen) {
            const Coordinaat punt = g.dichtstBij(thuis);
            a.km = afstandKm(thuis, punt);
            a.koers = kz::koers(thuis, punt);
        }
        lijst.push_back(a);
    }
    // regios is in vakindex order, so a stable sort keeps that order for equal distances.
    std::stable_sort(lijst.begin(), lijst.end(), [](const Regioafstand& a, const Regioafstand& b) { return a.km < b.km; });
    if (lijst.size() > aantal) lijst.resize(aantal);
    return lijst;
}

} // namespace kz
