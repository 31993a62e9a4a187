// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/perjaarexport.h"

#include "teksten/csv.h"
#include "teksten/voortgangteksten.h"

namespace kz {

QByteArray perJaarExport(const Voortgang& v) {
    QString tekst = csv::regel(voortgangteksten::kolommen(v.aantalRegios));
    for (const Voortgang::Jaar& j : voortgangteksten::regels(v)) tekst += csv::regel(voortgangteksten::cellen(j));
    return tekst.toUtf8();
}

} // namespace kz
