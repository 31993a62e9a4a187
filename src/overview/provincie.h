// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve provinces of the Netherlands, in alphabetical order, by their own names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kz {

enum class Provincie : std::uint8_t {
    Drenthe,
    Flevoland,
    Friesland,
    Gelderland,
    Groningen,
    Limburg,
    NoordBrabant,
    NoordHolland,
    Overijssel,
    Utrecht,
    Zeeland,
    ZuidHolland,
};

inline constexpr std::size_t aantalProvincies = 12;

// The name as the province bears it: "Noord-Brabant".
constexpr const char* provincienaam(Provincie p) {
    constexpr std::array<const char*, aantalProvincies> namen{
        "Drenthe",       "Flevoland",     "Friesland",  "Gelderland", "Groningen", "Limburg",
        "Noord-Brabant", "Noord-Holland", "Overijssel", "Utrecht",    "Zeeland",   "Zuid-Holland"};
    return namen[std::size_t(p)];
}

} // namespace kz
