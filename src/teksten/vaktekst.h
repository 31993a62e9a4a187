// SPDX-License-Identifier: GPL-3.0-or-later
// The text that a map shows for one of its cells when the pointer rests on it.
#pragma once

#include <cstdint>
#include <optional>

#include <QLocale>
#include <QString>

namespace kz {

// Cell `index`'s band, its kind, and when known its count: "Gevonden in 2008: 3", or
// "Gevonden: 3 (alle jaren)" for jaar 0.
QString vakTekst(int index, bool nederlands, std::optional<int32_t> aantal, int jaar, const QLocale& locale);
// The line that the tooltip of the user's home cell ends with.
inline QString thuisregel() { return QStringLiteral("Uw thuis"); }
// The bounds of cell (rij, kolom): "52,3° – 52,4° N, 4° 50' – 4° 55' O".
QString bandTekst(int rij, int kolom, const QLocale& locale);

} // namespace kz
