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

namespace kz {

// The year of today's date, read from the last four characters of today's date in the short date
// format: their leading number, rounded half to even, kept within 2003..2015 so that the
// three selected years always lie in the lists. A format that does not end in a
// four-digit year gives a small number, and so 2003.
inline int datumjaar(std::string_view laatsteVier) {
    return std::clamp<int>(rondAfNaarInt16(numeriekeWaarde(laatsteVier)), eersteJaar + 2, laatsteJaar);
}

// The current year and the two before it, the oldest first.
inline std::array<int, 3> startJaren(std::string_view laatsteVier) {
    const int huidig = datumjaar(laatsteVier);
    return {huidig - 2, huidig - 1, huidig};
}

} // namespace kz
