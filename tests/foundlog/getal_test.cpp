// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "foundlog/getal.h"
#include "support/locale.h"

namespace kz {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Blanks count nowhere; huge numbers and long runs of digits neither overflow nor lose the scale.
TEST(Getal, ReadsTheNumberThatTheTextBeginsWithAndRoundsAYear) {
    const std::pair<std::string, double> gevallen[] = {
        {"52.37", 52.37}, {"4.89\"", 4.89}, {"-0.5", -0.5}, {"+7", 7}, {".5", 0.5}, {"12.", 12}, {"2008-05-17", 2008},
        {"1.2.3", 1.2}, {"52.1<", 52.1}, {"0052.5", 52.5}, {"0.000125", 0.000125}, {"1E3", 1000}, {"1e-2", 0.01},
        {"2D+2", 200}, {"5.2d1x", 52}, {"3E", 3}, {"  5 2 .\t3\n7 ", 52.37}, {"- 1 2", -12}, {"1 e 2", 100},
        {"", 0}, {"abc", 0}, {"\"52.3", 0}, {"-", 0}, {".", 0}, {"+.", 0}, {"E5", 0}, {"'4.5'", 0}, // no number
        {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0}, {"1e99999999999999999999", inf}, {"0e99999", 0},
        {std::string(1000, '9'), inf}, {"0." + std::string(300, '0') + "1e301", 1}, {std::string(500, '0') + "7", 7},
        {"1" + std::string(100, '0'), 1e100}, {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
    for (const auto& [tekst, waarde] : gevallen) EXPECT_EQ(numeriekeWaarde(tekst), waarde) << tekst;

    // A found year is rounded with halves to even and saturates at the 16-bit limits.
    const std::pair<double, int> jaren[] = {{2008, 2008},   {2008.5, 2008}, {2009.5, 2010},   {2009.4, 2009},
                                            {-0.5, 0},      {-1.5, -2},     {32766.5, 32766}, {1e9, 32767},
                                            {inf, 32767},   {-1e9, -32768}, {-inf, -32768},   {std::nan(""), 0}};
    for (const auto& [waarde, jaar] : jaren) EXPECT_EQ(rondAfNaarInt16(waarde), jaar) << waarde;
}

TEST(Getal, IgnoresTheLocale) {
    const test::LocaleWacht wacht("nl_NL.UTF-8");
    if (!wacht.cGezet()) GTEST_SKIP() << "the C library has no locale nl_NL.UTF-8";
    EXPECT_EQ(numeriekeWaarde("52.37"), 52.37);
    EXPECT_EQ(numeriekeWaarde("52,37"), 52);
}

} // namespace
} // namespace kz
