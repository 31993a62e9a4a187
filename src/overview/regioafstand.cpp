// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/regioafstand.h"

#include <algorithm>

#include "grid/afstand.h"
#include "grid/vak.h"

namespace kz {

std::vector<Regioafstand> Regioafstand::nietBezocht(const std::vector<Regio>& regios, Coordinaat thuis,
                                                    std::size_t aantal) {
    std::vector<Regioafstand> lijst;
    // The home lies in the one cell that the grid puts it in: a home on the line between
    // two cells belongs to the cell north or east of it, as a find there would.
    const Vak thuisvak = vakVanCoordinaat(thuis.breedte, thuis.lengte);
    for (const Regio& r : regios) {
        if (r.status != Regio::Status::NietBezocht) continue;
        Regioafstand a{r.rij, r.kolom, 0, 0, r.rij == thuisvak.rij && r.kolom == thuisvak.kolom};
        if (!a.binnen) {
            const Coordinaat punt = r.grenzen().dichtstBij(thuis);
            a.km = afstandKm(thuis, punt);
            a.koers = kz::koers(thuis, punt);
        }
        lijst.push_back(a);
    }
    // regios is in vakindex order, so a stable sort keeps that order for equal distances.
    // The home's own region first, before the neighbours that touch it at distance 0.
    std::stable_sort(lijst.begin(), lijst.end(), [](const Regioafstand& a, const Regioafstand& b) {
        return a.km < b.km || (a.km == b.km && a.binnen && !b.binnen);
    });
    if (lijst.size() > aantal) lijst.resize(aantal);
    return lijst;
}

} // namespace kz
