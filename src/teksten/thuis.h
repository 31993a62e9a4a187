// SPDX-License-Identifier: GPL-3.0-or-later
// The user's home as text: as the command line and the settings hold it, "52.09,5.12".
#pragma once

#include <optional>

#include <QString>

#include "grid/coordinaat.h"

namespace kz::thuis {

// "BREEDTE,LENGTE" in decimal degrees with "." and an optional sign, no spaces:
// "52.09,5.12". Nothing for anything else, or beyond 90 or 180 degrees.
std::optional<Coordinaat> lees(const QString& tekst);
// The same form back, with at most six decimals: what lees() reads.
QString alsTekst(Coordinaat thuis);

} // namespace kz::thuis
