// SPDX-License-Identifier: GPL-3.0-or-later
// Why the found log in an archive could not be read, with what the archive holds, so
// that the message can name it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kz {

struct Archieffout {
    enum class Soort {
        geen,        // nothing went wrong in the archive
        geenGpx,     // no GPX file but the extra waypoints ("-wpts.gpx"), or none at all
        meerdereGpx, // more than one GPX file to choose from
        versleuteld, // the GPX file is protected with a password
        beschadigd,  // the archive is damaged or cut short (a checksum, a broken entry)
    };
    Soort soort = Soort::geen;
    // The files in the archive (macOS metadata left out): how many, and the names of the
    // first few, which is as many as a message names.
    static constexpr std::size_t genoemd = 5;
    std::size_t aantal = 0;
    std::vector<std::string> inhoud;
};

} // namespace kz
