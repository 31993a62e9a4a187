// SPDX-License-Identifier: GPL-3.0-or-later
// The formats in which the regions can be exported, in one table shared by the command
// line (--regio-export) and the export dialog. A new format is a file with its writer,
// declared here, and a row in regioformaat.cpp.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

// The writers. The home orders the GPX waypoints and is named in their descriptions; the
// other formats leave it and the locale aside.
// GeoJSON (RFC 7946): every region a polygon of its bounds, with its finds (per year),
// first year, status, place and province as properties.
QByteArray geojsonExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);
// GPX 1.1: a waypoint at the centre of every unvisited region, named by row, column and
// place ("520/62 Zeist"); nearest first, with distance and direction, when a home is given.
QByteArray gpxExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);
// CSV: a line per region with its name, row, column, status, finds, first year, bounds,
// the finds of each year from the first found year to the last, place and province.
QByteArray csvExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);

struct Regioformaat {
    using Schrijver = QByteArray (*)(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis,
                                     const QLocale& locale);
    const char* naam;          // as the file dialog names it: "GeoJSON"
    const char* achtervoegsel; // with its dot: ".geojson"
    Schrijver schrijf;

    // "GeoJSON (*.geojson)".
    QString filter() const;

    // Every format, in the order the dialog offers them.
    static const std::vector<Regioformaat>& alle();
    // The format of a file name's suffix, in any case; null for another.
    static const Regioformaat* van(const QString& pad);
    // The format of a file dialog filter; the first for an unknown one.
    static const Regioformaat& vanFilter(const QString& filter);
    // The filters of a file dialog, separated by ";;", and the suffixes.
    static QString filters();
    static QStringList achtervoegsels();
};

} // namespace kz
