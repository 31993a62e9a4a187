// SPDX-License-Identifier: GPL-3.0-or-later
// Where the names of the regions come from, as their licence asks to say, and the
// version text that says it.
#pragma once

#include <QString>

namespace kz {

// "Plaatsnamen: GeoNames (https://www.geonames.org/), CC BY 4.0, ...", one line.
QString bronvermelding();
// What --version prints: "Kavelzicht VERSION" on the first line, then the attribution;
// each line ends in a line break.
QString versietekst();

} // namespace kz
