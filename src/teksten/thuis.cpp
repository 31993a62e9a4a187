// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/thuis.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include "teksten/regioteksten.h"

namespace kz::thuis {

std::optional<Coordinaat> lees(const QString& tekst) {
    static const QRegularExpression vorm(QStringLiteral("^[-+]?[0-9]{1,3}(\\.[0-9]+)?,[-+]?[0-9]{1,3}(\\.[0-9]+)?$"));
    if (!vorm.match(tekst).hasMatch()) return std::nullopt;
    const QStringList delen = tekst.split(QLatin1Char(','));
    const Coordinaat c{QLocale::c().toDouble(delen[0]), QLocale::c().toDouble(delen[1])};
    if (c.breedte < -90 || c.breedte > 90 || c.lengte < -180 || c.lengte > 180) return std::nullopt;
    return c;
}

QString alsTekst(Coordinaat thuis) {
    return regioteksten::graden(thuis.breedte) + QLatin1Char(',') + regioteksten::graden(thuis.lengte);
}

} // namespace kz::thuis
