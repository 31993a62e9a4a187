// SPDX-License-Identifier: GPL-3.0-or-later
// The three years that the year lists select when the program starts: the current year
// and the two before it, taken from today's date as the user's short date format
// writes it.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "foundlog/getal.h"
#include "grid/grid.h"
#include "grid/vak.h"

namespace kz {

// The year of today's date from the last four characters of its short date format: their
// leading number, rounded half to even, kept within 2003..2015 so that the three years
// lie in the lists (a format without a four-digit year at its end gives 2003).
inline int datumjaar(std::string_view laatsteVier) {
    return std::clamp<int>(rondAfNaarInt16(numeriekeWaarde(laatsteVier)), eersteJaar + 2, laatsteJaar);
}

// The current year and the two before it, the oldest first.
inline std::array<int, 3> startJaren(std::string_view laatsteVier) {
    const int huidig = datumjaar(laatsteVier);
    return {huidig - 2, huidig - 1, huidig};
}

} // namespace kz
