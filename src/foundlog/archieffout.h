// SPDX-License-Identifier: GPL-3.0-or-later
// Why the found log in an archive could not be read, with what the archive holds, so
// that the message can name it.
#pragma once

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
        geenBibliotheek, // the library that reads archives is not installed
    };
    Soort soort = Soort::geen;
    std::vector<std::string> inhoud; // the names of the files in the archive, as far as read
};

} // namespace kz
