// The text that a map shows for one of its cells when the pointer rests on it: the
// cell's latitude and longitude band, whether it is a Dutch cache region, and how many
// finds it holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "grid/grid.h"

namespace kz {

// "52,3° – 52,4° N, 4° 50' – 4° 55' O" for the cell (523, 58): the latitude band in
// tenths of a degree with the given decimal separator, the longitude band in degrees and
// whole minutes. For cells of the grid (north and east of zero).
std::string bandTekst(int rij, int kolom, std::string_view decimaalteken);

// "Nederlandse cache-regio" or "Regio zonder Nederlandse caches".
std::string_view soortTekst(bool nederlands);

// "Gevonden: n (alle jaren)" for jaar 0, "Gevonden in 2008: n" for a year.
std::string aantalTekst(int32_t aantal, int jaar);

// The whole text of cell vakindex `index`, one line each for the band, the kind and,
// when a count is known, the count; lines are separated by "\n".
std::string vakTekst(int index, bool nederlands, std::optional<int32_t> aantal, int jaar,
                     std::string_view decimaalteken);

// One count per cell, in vakindex order, from one year slot of the count array
// (totaalslot for all years together).
std::array<int32_t, aantalVakken> aantallenPerVak(const Gevonden& gevonden, int jaar);

} // namespace kz
