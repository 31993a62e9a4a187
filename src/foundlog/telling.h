// SPDX-License-Identifier: GPL-3.0-or-later
// The tally of each completed waypoint: all finds, Dutch finds, the per-year, per-cell
// counts, and the warnings for Dutch finds outside the grid or outside the mask.
#pragma once

#include <cstdint>

#include "foundlog/waypoint.h"
#include "foundlog/waarschuwing.h"
#include "grid/gevonden.h"
#include "grid/nlmasker.h"

namespace kz {

class Telling {
public:
    Telling(const NlMasker& nl, Waarschuwer waarschuwer);

    void tel(const Waypoint& wp);

    int64_t waypoints = 0; // every waypoint, found or not
    int32_t totaal = 0;   // waypoints with a found year above 0
    int32_t nltotaal = 0; // of those, the ones in the Netherlands
    Gevonden gevonden;    // Dutch finds per year and cell; totaalslot = all years

private:
    void waarschuw(Waarschuwing::Soort soort, const Waypoint& wp);

    const NlMasker& nl_;
    Waarschuwer waarschuwer_;
};

} // namespace kz
