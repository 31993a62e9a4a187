// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/startjaren.h"

#include <algorithm>

#include "foundlog/getal.h"
#include "grid/grid.h"

namespace kz {

int datumjaar(std::string_view laatsteVier) {
    return std::clamp<int>(rondAfNaarInt16(numeriekeWaarde(laatsteVier)), eersteJaar + 2, laatsteJaar);
}

std::array<int, 3> startJaren(std::string_view laatsteVier) {
    const int huidig = datumjaar(laatsteVier);
    return {huidig - 2, huidig - 1, huidig};
}

} // namespace kz
