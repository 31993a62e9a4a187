// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/afstand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kz {

namespace {

constexpr double radialen(double graden) { return graden * std::numbers::pi / 180.0; }

} // namespace

double afstandKm(Coordinaat a, Coordinaat b) {
    const double f1 = radialen(a.breedte), f2 = radialen(b.breedte);
    const double df = f2 - f1, dl = radialen(b.lengte - a.lengte);
    const double h = std::sin(df / 2) * std::sin(df / 2) + std::cos(f1) * std::cos(f2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * aardstraalKm * std::asin(std::min(1.0, std::sqrt(h)));
}

double koers(Coordinaat van, Coordinaat naar) {
    const double f1 = radialen(van.breedte), f2 = radialen(naar.breedte), dl = radialen(naar.lengte - van.lengte);
    const double y = std::sin(dl) * std::cos(f2);
    const double x = std::cos(f1) * std::sin(f2) - std::sin(f1) * std::cos(f2) * std::cos(dl);
    if (x == 0 && y == 0) return 0;
    const double graden = std::atan2(y, x) * 180.0 / std::numbers::pi;
    return graden < 0 ? graden + 360.0 : graden;
}

int windstreek(double graden) {
    const double g = std::fmod(std::fmod(graden, 360.0) + 360.0, 360.0);
    return int(std::floor((g + 22.5) / 45.0)) % 8;
}

double afstandTotVakKm(Coordinaat p, const Vakgrenzen& vak) {
    return vak.bevat(p) ? 0.0 : afstandKm(p, vak.dichtstBij(p));
}

} // namespace kz
