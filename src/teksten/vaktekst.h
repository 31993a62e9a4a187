// SPDX-License-Identifier: GPL-3.0-or-later
// The text that a map shows for one of its cells when the pointer rests on it: the
// cell's latitude and longitude band, whether it is a Dutch cache region, and how many
// finds it holds. (The map heads it with the region's name and place, regioteksten::kop,
// for a Dutch cache region, and ends it with thuisregel() on the home's cell.)
#pragma once

#include <cstdint>
#include <optional>

#include <QLocale>
#include <QString>

namespace kz {

// Three lines for cell vakindex `index`: "52,3° – 52,4° N, 4° 50' – 4° 55' O" (the
// latitude band in tenths of a degree with the locale's decimal separator, the
// longitude band in degrees and whole minutes), "Nederlandse cache-regio" or "Regio
// zonder Nederlandse caches", and, when a count is known, "Gevonden in 2008: 3" (or
// "Gevonden: 3 (alle jaren)" for jaar 0).
QString vakTekst(int index, bool nederlands, std::optional<int32_t> aantal, int jaar, const QLocale& locale);

// The line that the tooltip of the user's home cell ends with: "Uw thuis".
inline QString thuisregel() { return QStringLiteral("Uw thuis"); }

// The first of those lines alone, the bounds of cell (rij, kolom): "52,3° – 52,4° N, 4° 50' – 4° 55' O".
QString bandTekst(int rij, int kolom, const QLocale& locale);

} // namespace kz
