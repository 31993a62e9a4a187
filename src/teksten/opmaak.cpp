// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/opmaak.h"

#include <charconv>
#include <cmath>

namespace kz::opmaak {

QString heel(int64_t n) { return QString::number(n); }

QString eenDecimaal(double waarde, const QLocale& locale) {
    // The digits stay Latin in every locale, as the counts beside them are; only the
    // separator follows the locale.
    QString tekst = QLocale::c().toString(waarde, 'f', 1);
    tekst.replace(QLatin1Char('.'), locale.decimalPoint());
    return tekst;
}

QString procent(float waarde, const QLocale& locale) { return eenDecimaal(static_cast<double>(waarde), locale) + QLatin1Char('%'); }

QString algemeen(double waarde, const QLocale& locale) {
    if (std::isnan(waarde) || waarde == 0) return QStringLiteral("0");
    if (std::isinf(waarde)) return waarde < 0 ? QStringLiteral("-oneindig") : QStringLiteral("oneindig");
    // QLocale rounds an exact tie at the fifteenth digit away from zero and writes the C
    // locale's exponent in lower case; the shortest correctly rounded form of the
    // standard library keeps ties to even and is the same in every locale.
    char buf[64];
    const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, waarde, std::chars_format::general, 15);
    (void)fout; // 64 characters hold any double in this form
    QString tekst = QString::fromLatin1(buf, int(eind - buf));
    tekst.replace(QLatin1Char('.'), locale.decimalPoint());
    tekst.replace(QLatin1Char('e'), QLatin1Char('E'));
    return tekst;
}

} // namespace kz::opmaak
