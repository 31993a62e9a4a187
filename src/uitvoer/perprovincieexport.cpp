// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/perprovincieexport.h"

#include "teksten/csv.h"
#include "teksten/provincieteksten.h"

namespace kz {

QByteArray perProvincieExport(const Provincievoortgang& v) {
    QString tekst = csv::regel(provincieteksten::kolommen());
    for (const auto& r : v.regels) tekst += csv::regel(provincieteksten::cellen(r, QLocale::c()));
    return tekst.toUtf8();
}

} // namespace kz
