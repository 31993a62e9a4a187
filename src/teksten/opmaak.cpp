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
    // The standard library keeps an exact tie at the fifteenth digit to even, where QLocale
    // rounds it away from zero.
    char buf[64];
    // 64 characters hold any double in this form.
    const char* eind = std::to_chars(buf, buf + sizeof buf, waarde, std::chars_format::general, 15).ptr;
    QString tekst = QString::fromLatin1(buf, int(eind - buf));
    tekst.replace(QLatin1Char('.'), locale.decimalPoint());
    tekst.replace(QLatin1Char('e'), QLatin1Char('E'));
    return tekst;
}

} // namespace kz::opmaak
