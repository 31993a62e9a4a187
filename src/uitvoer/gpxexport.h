// SPDX-License-Identifier: GPL-3.0-or-later
// The unvisited regions as GPX 1.1, for a GPS or a phone: a waypoint at the centre of each,
// named by row and column and its place ("520/62 Zeist"), its bounds in the description; nearest first when a home is
// given, with the distance and direction in the description too.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

QByteArray gpxExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);

} // namespace kz
