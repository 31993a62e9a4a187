// SPDX-License-Identifier: GPL-3.0-or-later
// The user's home as text: as the command line and the settings hold it, "52.09,5.12".
#pragma once

#include <optional>

#include <QString>

#include "grid/coordinaat.h"

namespace kz::thuis {

// "BREEDTE,LENGTE" in decimal degrees with "." as the decimal point, an optional sign
// and no spaces: "52.09,5.12", "-33.9,151.2". Nothing for anything else, or for a
// latitude beyond 90 or a longitude beyond 180 degrees.
std::optional<Coordinaat> lees(const QString& tekst);
// The same form back, with at most six decimals: what lees() reads.
QString alsTekst(Coordinaat thuis);

} // namespace kz::thuis
