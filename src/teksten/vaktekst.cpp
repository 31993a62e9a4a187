// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/vaktekst.h"

#include "grid/grid.h"

namespace kz {

namespace {

const QString streep = QStringLiteral(" \u2013 ");

// Tenths of a degree as "52,3°".
QString tienden(int t, const QLocale& locale) {
    return QString::number(t / 10) + locale.decimalPoint() + QString::number(t % 10) + QChar(0xB0);
}

// Twelfths of a degree (steps of five minutes) as "4° 50'".
QString twaalfden(int k) {
    return QString::number(k / 12) + QChar(0xB0) + QLatin1Char(' ') +
           QStringLiteral("%1").arg(k % 12 * 5, 2, 10, QLatin1Char('0')) + QLatin1Char('\'');
}

} // namespace

QString bandTekst(int rij, int kolom, const QLocale& locale) {
    return tienden(rij, locale) + streep + tienden(rij + 1, locale) + QStringLiteral(" N, ") + twaalfden(kolom) +
           streep + twaalfden(kolom + 1) + QStringLiteral(" O");
}

QString vakTekst(int index, bool nederlands, std::optional<int32_t> aantal, int jaar, const QLocale& locale) {
    QString s = bandTekst(rijVanIndex(index), kolomVanIndex(index), locale) + QLatin1Char('\n') +
                (nederlands ? QStringLiteral("Nederlandse cache-regio") : QStringLiteral("Regio zonder Nederlandse caches"));
    if (aantal) {
        s += jaar == 0 ? QStringLiteral("\nGevonden: %1 (alle jaren)").arg(*aantal)
                       : QStringLiteral("\nGevonden in %1: %2").arg(jaar).arg(*aantal);
    }
    return s;
}

} // namespace kz
