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

// "520/61"; "bezocht", "niet bezocht" or "fake", as the exports write it.
QString naam(int rij, int kolom);
QString status(Regio::Status status);
// The Dutch compass point of windstreek(): "N", "NO", "O", "ZO", "Z", "ZW", "W", "NW".
QString windstreek(int streek);
// "3,4 km", in the locale's form.
QString km(double km, const QLocale& locale);
// Degrees with "." and at most six decimals, as files and addresses write them: "52.1".
QString graden(double waarde);
// "52,09° N, 5,12° O" (Z and W for negative values).
QString punt(Coordinaat p, const QLocale& locale);

// "Zeist", "Noord-Brabant", "bij Zeist (Utrecht)", and the head of a cell's tooltip and
// menu, "Regio 520/62 bij Zeist (Utrecht)".
QString plaats(int rij, int kolom);
QString provincie(Provincie provincie);
QString bij(int rij, int kolom);
QString kop(int rij, int kolom);
// Why a region on a border counts for one province only.
QString provinciegrens();

// "521/63 bij Soest (Utrecht): 9,0 km O (52,1° – 52,2° N, 5° 15' – 5° 20' O)", with
// "hier" for the region the home lies in.
QString afstandsregel(const Regioafstand& a, const QLocale& locale);
// "De 10 dichtstbijzijnde nog niet bezochte cache-regio's vanaf 52,09° N, 5,12° O:" and a
// numbered line per region; one line saying so when every region is visited.
QStringList dichtstbij(const std::vector<Regioafstand>& lijst, Coordinaat thuis, const QLocale& locale);

} // namespace kz::regioteksten
