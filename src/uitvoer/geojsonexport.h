// SPDX-License-Identifier: GPL-3.0-or-later
// The regions as GeoJSON, for a map: a FeatureCollection (RFC 7946) of every region, each
// a polygon of its bounds, its one ring closed and counter-clockwise, with the properties
// naam, rij, kolom, status ("bezocht", "niet bezocht", "fake"), vondsten,
// vondsten_per_jaar (an object from year to finds), eerste_jaar (null when no find has
// a year slot), plaats and provincie (the place it is named after and that place's
// province). The home and the locale play no part.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

QByteArray geojsonExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);

} // namespace kz
