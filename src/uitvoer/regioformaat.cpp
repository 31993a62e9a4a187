// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/regioformaat.h"

#include <QFileInfo>

namespace kz {

const std::vector<Regioformaat>& Regioformaat::alle() {
    static const std::vector<Regioformaat> formaten{
        {"GeoJSON", ".geojson", geojsonExport},
        {"GPX", ".gpx", gpxExport},
        {"CSV", ".csv", csvExport},
    };
    return formaten;
}

QString Regioformaat::filter() const {
    return QStringLiteral("%1 (*%2)").arg(QLatin1String(naam), QLatin1String(achtervoegsel));
}

const Regioformaat* Regioformaat::van(const QString& pad) {
    const QString achter = QLatin1Char('.') + QFileInfo(pad).suffix();
    for (const Regioformaat& f : alle())
        if (achter.compare(QLatin1String(f.achtervoegsel), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

const Regioformaat& Regioformaat::vanFilter(const QString& filter) {
    for (const Regioformaat& f : alle())
        if (f.filter() == filter) return f;
    return alle().front();
}

QString Regioformaat::filters() {
    QStringList lijst;
    for (const Regioformaat& f : alle()) lijst << f.filter();
    return lijst.join(QStringLiteral(";;"));
}

QStringList Regioformaat::achtervoegsels() {
    QStringList lijst;
    for (const Regioformaat& f : alle()) lijst << QLatin1String(f.achtervoegsel);
    return lijst;
}

} // namespace kz
