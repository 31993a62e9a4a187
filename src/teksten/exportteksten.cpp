// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/exportteksten.h"

#include <QFileInfo>

#include "teksten/bestandsnaam.h"

namespace kz::exportteksten {

QString onbekendFormaat(const QString& pad, const QStringList& achtervoegsels) {
    const QString achter = QFileInfo(pad).suffix();
    // ".geojson, .gpx of .csv"
    const QString keuze = achtervoegsels.size() < 2 ? achtervoegsels.join(QString())
                                                    : achtervoegsels.mid(0, achtervoegsels.size() - 1).join(QStringLiteral(", ")) +
                                                          QStringLiteral(" of ") + achtervoegsels.last();
    return (achter.isEmpty() ? QStringLiteral("--regio-export: het bestand heeft geen extensie")
                             : QStringLiteral("--regio-export: onbekend formaat '.%1'").arg(eenRegel(achter))) +
           QStringLiteral("; kies ") + keuze;
}

} // namespace kz::exportteksten
