// SPDX-License-Identifier: GPL-3.0-or-later
// The tally of each completed waypoint: all finds, Dutch finds, the per-year, per-cell
// counts, and the warnings for Dutch finds outside the grid or outside the mask.
#pragma once

#include <cstdint>
#include <vector>

#include "foundlog/waypoint.h"
#include "foundlog/waarschuwing.h"
#include "grid/gevonden.h"
#include "grid/nlmasker.h"

namespace kz {

class Telling {
public:
    // Finds per found year from 2001 up to the current year, of every country and of the
    // Netherlands (inside the grid or not); those of any other year (2000, a year to come,
    // a date written day first) together.
    struct PerJaar {
        std::vector<int32_t> totaal;   // index jaar - eersteJaar, up to the latest usable year found
        std::vector<int32_t> nltotaal; // as long as totaal
        int32_t totaalZonderJaar = 0;
        int32_t nltotaalZonderJaar = 0;
    };

    // `kalenderjaar` is the current year: later years get no slot and no usable year.
    Telling(const NlMasker& nl, Waarschuwer waarschuwer, int kalenderjaar = laatsteJaar);

    void tel(const Waypoint& wp);

    int64_t waypoints = 0; // every waypoint, found or not
    int32_t totaal = 0;   // waypoints with a found year above 0
    int32_t nltotaal = 0; // of those, the ones in the Netherlands
    Gevonden gevonden;    // Dutch finds per year and cell; totaalslot = all years
    PerJaar perJaar;

private:
    void waarschuw(Waarschuwing::Soort soort, const Waypoint& wp);
    void telJaar(int jaar, bool nederlands);

    const NlMasker& nl_;
    Waarschuwer waarschuwer_;
};

} // namespace kz
