// SPDX-License-Identifier: GPL-3.0-or-later
// The regions as data for other programs: GeoJSON for a map, GPX for a GPS or a phone,
// CSV for a spreadsheet. The format follows the file name's suffix.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "grid/coordinaat.h"
#include "overview/regio.h"
#include "teksten/schrijffout.h"

namespace kz::regioexport {

enum class Formaat { GeoJson, Gpx, Csv };

// The format of a suffix (".geojson", ".gpx", ".csv", in any case); nothing for another.
std::optional<Formaat> formaatVan(const QString& pad);
// The filters of a file dialog, one per format, GeoJSON first.
QString filters();
// The suffix of a format, with its dot.
QString achtervoegsel(Formaat formaat);

// A FeatureCollection (RFC 7946) of every region of `regios`: each a polygon of its
// bounds, its one ring closed and counter-clockwise, with the properties naam, rij,
// kolom, status ("bezocht", "niet bezocht", "fake"), vondsten, vondsten_per_jaar (an
// object from year to finds) and eerste_jaar (null when no find has a year slot).
QByteArray geojson(const std::vector<Regio>& regios);
// GPX 1.1: a waypoint at the centre of each unvisited region, named by row and column,
// its bounds in the description; nearest first when a home is given, with the distance
// and direction in the description too.
QByteArray gpx(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);
// A line per region: name, row, column, status, finds, first year, the bounds in
// degrees, then the finds of each year from the first found year to the last.
QByteArray csv(const std::vector<Regio>& regios);
QByteArray inhoud(Formaat formaat, const std::vector<Regio>& regios, std::optional<Coordinaat> thuis,
                  const QLocale& locale);

// "Regio's opgeslagen als " and the path; why that could not be; an unknown suffix.
QString opgeslagen(const QString& pad);
QString nietOpgeslagen(const QString& pad, Schrijffout fout);
QString onbekendFormaat(const QString& pad);

} // namespace kz::regioexport
