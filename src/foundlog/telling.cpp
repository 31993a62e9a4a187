// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/telling.h"

#include <cstddef>
#include <utility>

namespace kz {

Telling::Telling(const NlMasker& nl, Waarschuwer waarschuwer, int kalenderjaar)
    : gevonden(kalenderjaar), nl_(nl), waarschuwer_(std::move(waarschuwer)) {}

void Telling::tel(const Waypoint& wp) {
    ++waypoints;
    if (wp.jaargev > 0) {
        ++totaal;
        telJaar(wp.jaargev, wp.isnl == 1);
    }
    if (wp.isnl != 1 || wp.jaargev <= 0) return;
    ++nltotaal;
    const int rij = wp.vak.rij;
    const int kolom = wp.vak.kolom;
    if (!inRaster(rij, kolom)) {
        waarschuw(Waarschuwing::Soort::Verdwaald, wp);
        return;
    }
    if (gevonden.magSlot(wp.jaargev)) {
        gevonden.telOp(wp.jaargev, rij, kolom);
        // Only the years of the year lists warn, as they always did: a file with later
        // finds gives the same warnings as before those years had slots.
        if (wp.jaargev <= laatsteJaar && nl_(rij, kolom) == 0) waarschuw(Waarschuwing::Soort::Fake, wp);
    }
    gevonden.telOp(totaalslot, rij, kolom);
}

void Telling::telJaar(int jaar, bool nederlands) {
    if (!gevonden.magSlot(jaar)) {
        ++perJaar.totaalZonderJaar;
        if (nederlands) ++perJaar.nltotaalZonderJaar;
        return;
    }
    const auto i = std::size_t(jaar - eersteJaar);
    if (i >= perJaar.totaal.size()) {
        perJaar.totaal.resize(i + 1);
        perJaar.nltotaal.resize(i + 1);
    }
    ++perJaar.totaal[i];
    if (nederlands) ++perJaar.nltotaal[i];
}

void Telling::waarschuw(Waarschuwing::Soort soort, const Waypoint& wp) {
    if (waarschuwer_) waarschuwer_(Waarschuwing{soort, wp.vak.breedte10 / 10.0, wp.vak.lengte12 / 12.0});
}

} // namespace kz
