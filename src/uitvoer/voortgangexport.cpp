// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/voortgangexport.h"

#include "teksten/csv.h"
#include "teksten/provincieteksten.h"
#include "teksten/voortgangteksten.h"

namespace kz {

QByteArray perJaarExport(const Voortgang& v) {
    QString tekst = csv::regel(voortgangteksten::kolommen(v.aantalRegios));
    for (const Voortgang::Jaar& j : voortgangteksten::regels(v)) tekst += csv::regel(voortgangteksten::cellen(j));
    return tekst.toUtf8();
}

QByteArray perProvincieExport(const Provincievoortgang& v) {
    QString tekst = csv::regel(provincieteksten::kolommen());
    for (const auto& r : v.regels) tekst += csv::regel(provincieteksten::cellen(r, QLocale::c()));
    return tekst.toUtf8();
}

} // namespace kz
