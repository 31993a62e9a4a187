// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/overzicht.h"

#include <utility>

namespace kz {

float aandeel(int32_t a, int32_t b) {
    const float fa = static_cast<float>(a);
    const float som = fa + static_cast<float>(b);
    if (som == 0) return 0;
    const float deel = fa / som;
    return deel * 100.0f;
}

std::optional<Overzicht> maakOverzicht(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                                       const NlMasker& nl, const Waarschuwer& waarschuwer, int kalenderjaar) {
    Telling telling(nl, waarschuwer, kalenderjaar);
    if (!bestand.scan([&telling](const Waypoint& wp) { telling.tel(wp); })) return std::nullopt;

    std::optional<Overzicht> o(std::in_place);
    o->jaren = jaren;
    o->waypoints = telling.waypoints;
    o->nietOpEigenRegel = bestand.nietOpEigenRegel();
    o->totaal = telling.totaal;
    o->nltotaal = telling.nltotaal;
    o->kaarten = kleurKaarten(telling.gevonden, nl, jaren, kleurschakering);
    o->perc = {aandeel(o->kaarten.nietbezocht, o->kaarten.bezocht), aandeel(o->kaarten.bezocht, o->kaarten.nietbezocht)};
    const std::array<int, 4> slots{totaalslot, jaren[0], jaren[1], jaren[2]};
    for (std::size_t m = 0; m < slots.size(); ++m)
        for (int i = 0; i < aantalVakken; ++i)
            o->aantallen[m][std::size_t(i)] = telling.gevonden(slots[m], rijVanIndex(i), kolomVanIndex(i));
    o->gevonden = std::move(telling.gevonden);
    o->perJaar = std::move(telling.perJaar);
    return o;
}

} // namespace kz
