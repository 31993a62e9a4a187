// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/csv.h"

namespace kz::csv {

namespace {

QString veld(const QString& tekst) {
    if (!tekst.contains(QLatin1Char(',')) && !tekst.contains(QLatin1Char('"')) && !tekst.contains(QLatin1Char('\n')))
        return tekst;
    QString t = tekst;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

} // namespace

QString regel(const QStringList& velden) {
    QStringList uit;
    for (const QString& v : velden) uit << veld(v);
    return uit.join(QLatin1Char(',')) + QLatin1Char('\n');
}

} // namespace kz::csv
