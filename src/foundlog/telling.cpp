// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/telling.h"

#include <utility>

namespace kz {

Telling::Telling(const NlMasker& nl, Waarschuwer waarschuwer) : nl_(nl), waarschuwer_(std::move(waarschuwer)) {}

void Telling::tel(const Waypoint& wp) {
    ++waypoints;
    if (wp.jaargev > 0) ++totaal;
    if (wp.isnl != 1 || wp.jaargev <= 0) return;
    ++nltotaal;
    const int rij = wp.vak.rij;
    const int kolom = wp.vak.kolom;
    if (!inRaster(rij, kolom)) {
        waarschuw(Waarschuwing::Soort::Verdwaald, wp);
        return;
    }
    if (wp.jaargev >= eersteJaar && wp.jaargev <= laatsteJaar) {
        gevonden.telOp(wp.jaargev, rij, kolom);
        if (nl_(rij, kolom) == 0) waarschuw(Waarschuwing::Soort::Fake, wp);
    }
    gevonden.telOp(totaalslot, rij, kolom);
}

void Telling::waarschuw(Waarschuwing::Soort soort, const Waypoint& wp) {
    if (waarschuwer_) waarschuwer_(Waarschuwing{soort, wp.vak.breedte10 / 10.0, wp.vak.lengte12 / 12.0});
}

} // namespace kz
