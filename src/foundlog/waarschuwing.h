// SPDX-License-Identifier: GPL-3.0-or-later
// A warning of the tally: a Dutch find outside the grid, or in a cell of the grid that
// is no Dutch cache region. The faces of the program turn it into text.
#pragma once

#include <functional>

namespace kz {

struct Waarschuwing {
    enum class Soort {
        Fake,      // in the grid, outside the mask
        Verdwaald, // outside the grid
    };
    Soort soort = Soort::Fake;
    double breedte = 0; // the coordinate as it was read: breedte10 / 10
    double lengte = 0;  // and lengte12 / 12
};

// Shows a warning and returns when the user has closed it.
using Waarschuwer = std::function<void(const Waarschuwing&)>;

} // namespace kz
