// The tally of each completed waypoint: all finds, Dutch finds, the per-year, per-cell
// counts, and the warnings for Dutch finds outside the grid or outside the mask.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "foundlog/scanner.h"
#include "grid/grid.h"

namespace kz {

// Contact address shown in the input panel and in both warnings.
inline constexpr const char* contactadres = "kavelzicht@example.org";

struct Waarschuwing {
    std::string titel; // "Fake?" or "Verdwaald?"
    std::string tekst; // UTF-8, the two lines joined by CR LF
};

// Shows a warning and returns when the user has closed it.
using Waarschuwer = std::function<void(const Waarschuwing&)>;

// A number in the general form: up to 15 significant digits, no trailing zeros, no
// thousands separators, the given decimal separator, a leading "-" when negative.
std::string algemeneNotatie(double waarde, std::string_view decimaalteken);

class Telling {
public:
    Telling(const NlMasker& nl, Waarschuwer waarschuwer, std::string decimaalteken);

    void tel(const Waypoint& wp);

    int32_t totaal = 0;   // waypoints with a found year above 0
    int32_t nltotaal = 0; // of those, the ones in the Netherlands
    Gevonden gevonden;    // Dutch finds per year and cell; totaalslot = all years

private:
    void waarschuw(const char* titel, const Waypoint& wp, const char* gebied, const char* slot);

    const NlMasker& nl_;
    Waarschuwer waarschuwer_;
    std::string decimaalteken_;
};

} // namespace kz
