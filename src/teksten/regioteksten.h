// SPDX-License-Identifier: GPL-3.0-or-later
// The texts about single regions: their name, status, and how far and in which
// direction they lie from the user's home.
#pragma once

#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "grid/coordinaat.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/regionaam.h"

namespace kz::regioteksten {

// The name of a region by its row and column: "520/61".
QString naam(int rij, int kolom);
// "bezocht", "niet bezocht" or "fake", as the exports write it.
QString status(Regio::Status status);
// The Dutch compass point of windstreek(): "N", "NO", "O", "ZO", "Z", "ZW", "W", "NW".
QString windstreek(int streek);
// A distance in kilometres with one decimal in the locale's form: "3,4 km".
QString km(double km, const QLocale& locale);
// Degrees in decimal form with "." and at most six decimals, as files and addresses
// write them: "5.083333", "52.1", "-0.5".
QString graden(double waarde);
// A point as the user reads it: "52,09° N, 5,12° O" (S and W for negative values).
QString punt(Coordinaat p, const QLocale& locale);

// The place a region is named after, as the table writes it: "Zeist", "Damwâld".
QString plaats(int rij, int kolom);
// A province by its name: "Noord-Brabant".
QString provincie(Provincie provincie);
// "bij Zeist (Utrecht)": the region's place and that place's province.
QString bij(int rij, int kolom);
// "Regio 520/62 bij Zeist (Utrecht)", as a map cell's tooltip and menu begin.
QString kop(int rij, int kolom);
// Why a region on a border counts for one province only, for the caption of a table per
// province.
QString provinciegrens();

// One line of the nearest regions: "521/63 bij Soest (Utrecht): 9,0 km O (52,1° – 52,2° N,
// 5° 15' – 5° 20' O)", with "hier" instead of the distance and direction for the region
// the home lies in.
QString afstandsregel(const Regioafstand& a, const QLocale& locale);
// The heading "De 10 dichtstbijzijnde nog niet bezochte cache-regio's vanaf 52,09° N, 5,12° O:"
// and a numbered line per region ("1. 520/61 bij Utrecht (Utrecht): ..."); only a line saying so when every
// region is visited.
QStringList dichtstbij(const std::vector<Regioafstand>& lijst, Coordinaat thuis, const QLocale& locale);

} // namespace kz::regioteksten
