// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of a map cell: its entries, and the address that shows the cell on
// OpenStreetMap.
#pragma once

#include <QString>
#include <QUrl>

namespace kz::vakmenu {

inline QString openOpOsm() { return QStringLiteral("&Open op OpenStreetMap"); }
inline QString ditIsMijnThuis() { return QStringLiteral("Dit is mijn &thuis"); }

// The OpenStreetMap map of the bounds of cell (rij, kolom), with the cell drawn as a box:
// https://www.openstreetmap.org/?minlon=5.083333&minlat=52&maxlon=5.166667&maxlat=52.1&box=yes
QUrl osmUrl(int rij, int kolom);

} // namespace kz::vakmenu
