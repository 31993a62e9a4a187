// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the program shows them. Counts are plain decimal digits; numbers with a
// fraction take the decimal separator of the given locale and never a group separator.
#pragma once

#include <cstdint>

#include <QLocale>
#include <QString>

namespace kz::opmaak {

// "1234": decimal digits, no separators.
QString heel(int64_t n);

// A number with one decimal, "37,5" in a Dutch locale; and so as a percentage, "37,5%".
QString eenDecimaal(double waarde, const QLocale& locale);
QString procent(float waarde, const QLocale& locale);

// A coordinate in the general number form: up to 15 significant digits, no trailing
// zeros, exponent "E" where needed ("1E+20"), "0" for zero and for what is no number.
QString algemeen(double waarde, const QLocale& locale);

} // namespace kz::opmaak
