// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the maps and legends, and the count classes of shading.
#pragma once

#include <array>
#include <cstdint>

namespace kz {

// Colours as 0x00BBGGRR.
using Kleur = uint32_t;
constexpr Kleur rgb(int r, int g, int b) { return Kleur(r) | Kleur(g) << 8 | Kleur(b) << 16; }
constexpr int rood(Kleur k) { return int(k & 0xFF); }
constexpr int groen(Kleur k) { return int(k >> 8 & 0xFF); }
constexpr int blauw(Kleur k) { return int(k >> 16 & 0xFF); }

// The legend boxes vakje(0) to vakje(12); the maps take their colours from these.
inline constexpr std::array<Kleur, 13> vakjeKleuren = {
    rgb(255, 0, 0),     // 0 Nog niet bezochte cache-regio
    rgb(0, 255, 0),     // 1 Bezochte cache-regio
    rgb(255, 255, 255), // 2 Regio zonder Nederlandse caches
    rgb(0, 0, 255),     // 3 Gevonden cache in 'fake'-Regio
    rgb(128, 255, 128), // 4 class 1
    rgb(0, 255, 0),     // 5 class 2,3
    rgb(0, 192, 0),     // 6 class 4,5,6
    rgb(0, 128, 0),     // 7 class 7 t/m 10
    rgb(0, 64, 0),      // 8 class 11 t/m 15
    rgb(0, 0, 0),       // 9 class 16 of meer
    rgb(0, 255, 0),     // 10 beside nrjr1
    rgb(0, 255, 0),     // 11 beside nrjr2
    rgb(0, 255, 0),     // 12 beside nrjr3
};
inline constexpr Kleur witteKleur = rgb(255, 255, 255);

// Legend box of the count class of n (n >= 1): 4 for 1, 5 for 2-3, 6 for 4-6,
// 7 for 7-10, 8 for 11-15, 9 for 16 and more.
constexpr int klasseVakje(int32_t n) {
    return n <= 1 ? 4 : n <= 3 ? 5 : n <= 6 ? 6 : n <= 10 ? 7 : n <= 15 ? 8 : 9;
}

} // namespace kz
