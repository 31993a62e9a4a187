// SPDX-License-Identifier: GPL-3.0-or-later
// The overview pass as a value: the opened GPX file, the three years and the shading
// go in; counts, map colours and statistics come out. The window shows it, the batch
// mode prints it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "foundlog/gpxbestand.h"
#include "foundlog/telling.h"
#include "foundlog/waarschuwing.h"
#include "grid/nlmasker.h"
#include "overview/kaarten.h"

namespace kz {

struct Overzicht {
    std::array<int, 3> jaren{}; // jr1 <= jr2 <= jr3
    int64_t waypoints = 0; // every waypoint of the file, with a found date or not
    // "<wpt" tags that did not begin their line, and so were not read as waypoints.
    int64_t nietOpEigenRegel = 0;
    int32_t totaal = 0;   // all finds
    int32_t nltotaal = 0; // Dutch finds, inside the grid or not
    Kaarten kaarten;      // colours of the four maps and the counts of the kinds of cell
    // Shares of the Dutch cache regions in percent: not visited, then visited.
    std::array<float, 2> perc{};
    // Finds per cell by vakindex: all years on the main map, the map's year on the others.
    std::array<std::array<int32_t, aantalVakken>, 4> aantallen{};
    // What the tally counted, for the progress per year and the export of the regions.
    Gevonden gevonden;
    Telling::PerJaar perJaar;
};

// Share of a in a + b in percent, in single precision step by step; 0 when both are 0.
float aandeel(int32_t a, int32_t b);

// Reads the opened file and makes the overview for the years (ascending). Each warning
// goes to waarschuwer as its waypoint completes. Years up to kalenderjaar get a slot of
// their own. Nothing when the file could not be read to its end.
std::optional<Overzicht> maakOverzicht(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                                       const NlMasker& nl, const Waarschuwer& waarschuwer,
                                       int kalenderjaar = laatsteJaar);

} // namespace kz
