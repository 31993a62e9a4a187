// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the progress per year: the column heads and cells that the table and the
// CSV file share, the chart's legend and its description for a screen reader.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "overview/voortgang.h"
#include "teksten/schrijffout.h"

namespace kz::voortgangteksten {

inline QString titel() { return QStringLiteral("Voortgang per jaar"); }

// The six column heads: "Jaar", "Gevonden caches", "Gevonden Nederlandse caches",
// "Regio's bezocht", "Regio's voor het eerst bezocht", "Regio's bezocht tot en met dit
// jaar (van 627)".
QStringList kolommen(int32_t aantalRegios);
// The year of a line: "2008", or "zonder jaar" for the finds without a usable year.
QString jaar(const Voortgang::Jaar& j);
// The six cells of a line, the numbers as plain digits.
QStringList cellen(const Voortgang::Jaar& j);
// Every line: one per year, then the one without a year if there is one.
std::vector<Voortgang::Jaar> regels(const Voortgang& v);

// The chart's legend: the bars, and the line out of the number of regions.
QString legendaJaar();
QString legendaTotaal(int32_t aantalRegios);
// One line of the chart in words, as its tooltip and a screen reader say it: "2008: 15
// regio's bezocht, waarvan 9 voor het eerst; 120 van 627 tot dan toe".
QString jaarzin(const Voortgang::Jaar& j, int32_t aantalRegios);
// What the chart shows, for a screen reader: the sentence of each line, or that there is
// nothing to show.
QString beschrijving(const Voortgang& v);
// What the chart says when no find has a usable year.
QString geenJaren();

// The dialog "Voortgang per jaar": the tab of its table per year, its buttons, the title of the
// file dialog of the export, and the proposed file name.
inline QString tabblad() { return QStringLiteral("Per &jaar"); }
inline QString exporteren() { return QStringLiteral("&Exporteren..."); }
inline QString sluiten() { return QStringLiteral("&Sluiten"); }
inline QString exportTitel() { return QStringLiteral("Regio's exporteren"); }
inline QString exportVoorstel() { return QStringLiteral("Kavelzicht-regios.geojson"); }

// "Voortgang per jaar opgeslagen als " and the path; and why it could not be.
QString opgeslagen(const QString& pad);
QString nietOpgeslagen(const QString& pad, Schrijffout fout);

} // namespace kz::voortgangteksten
