// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the progress per year: the column heads and cells that the table and the
// CSV file share, the chart's legend and its description for a screen reader.
#pragma once

#include <QString>
#include <QStringList>

#include "overview/voortgang.h"

namespace kz::voortgangteksten {

// The six column heads, "Jaar" to "Regio's bezocht tot en met dit jaar (van 627)".
QStringList kolommen(int32_t aantalRegios);
// The year of a line: "2008", or "zonder jaar".
QString jaar(const Voortgang::Jaar& j);
QStringList cellen(const Voortgang::Jaar& j);
// One line per year, then the one without a year if there is one.
std::vector<Voortgang::Jaar> regels(const Voortgang& v);

// The chart's legend: the bars, and the line out of the number of regions.
QString legendaJaar();
QString legendaTotaal(int32_t aantalRegios);
// A line in words, as the chart's tooltip says it: "2008: 15 regio's bezocht, waarvan 9
// voor het eerst; 120 van 627 tot dan toe".
QString jaarzin(const Voortgang::Jaar& j, int32_t aantalRegios);
// The chart for a screen reader: the sentence of each line, or geenJaren().
QString beschrijving(const Voortgang& v);
QString geenJaren();

// The export's dialog title and proposed file name.
inline QString exportTitel() { return QStringLiteral("Regio's exporteren"); }
inline QString exportVoorstel() { return QStringLiteral("Kavelzicht-regios.geojson"); }

} // namespace kz::voortgangteksten
