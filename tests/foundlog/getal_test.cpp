#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "foundlog/getal.h"

namespace kz {
namespace {

TEST(NumeriekeWaarde, ReadsTheLeadingNumberWithAPoint) {
    EXPECT_DOUBLE_EQ(numeriekeWaarde("52.37"), 52.37);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("4.89\""), 4.89);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("+7"), 7);
    EXPECT_DOUBLE_EQ(numeriekeWaarde(".5"), 0.5);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("12."), 12);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("2008-05-17"), 2008); // stops at the "-" after the digits
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("52.1<"), 52.1);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("0052.5"), 52.5);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("0.000125"), 0.000125);
}

TEST(NumeriekeWaarde, IgnoresSpacesTabsAndLineFeedsAnywhere) {
    EXPECT_DOUBLE_EQ(numeriekeWaarde("  5 2 .\t3\n7 "), 52.37);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("- 1 2"), -12);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1 e 2"), 100);
}

TEST(NumeriekeWaarde, ExponentsWithEOrD) {
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1E3"), 1000);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1e-2"), 0.01);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("2D+2"), 200);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("5.2d1x"), 52);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("3E"), 3); // an exponent without digits adds nothing
}

TEST(NumeriekeWaarde, TextThatIsNoNumberIsZero) {
    for (const char* t : {"", " ", "abc", "\"52.3", "-", ".", "+.", "E5", "<", "'4.5'"})
        EXPECT_EQ(numeriekeWaarde(t), 0.0) << t;
}

TEST(NumeriekeWaarde, HugeAndTinyNumbersNeitherOverflowNorCrash) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(numeriekeWaarde("1e400"), inf);
    EXPECT_EQ(numeriekeWaarde("-1e400"), -inf);
    EXPECT_EQ(numeriekeWaarde("1e-400"), 0.0);
    EXPECT_EQ(numeriekeWaarde("1e99999999999999999999"), inf);
    EXPECT_EQ(numeriekeWaarde("0e99999"), 0.0);
    EXPECT_EQ(numeriekeWaarde(std::string(1000, '9')), inf);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("0." + std::string(300, '0') + "1e301"), 1.0);
    EXPECT_DOUBLE_EQ(numeriekeWaarde(std::string(500, '0') + "7"), 7.0);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1" + std::string(100, '0')), 1e100);
    EXPECT_DOUBLE_EQ(numeriekeWaarde("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(NumeriekeWaarde, IgnoresTheLocale) {
    const char* oud = std::setlocale(LC_NUMERIC, nullptr);
    const std::string bewaard = oud ? oud : "C";
    if (std::setlocale(LC_NUMERIC, "nl_NL.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_DOUBLE_EQ(numeriekeWaarde("52.37"), 52.37);
        EXPECT_DOUBLE_EQ(numeriekeWaarde("52,37"), 52);
    }
    std::setlocale(LC_NUMERIC, bewaard.c_str());
}

TEST(RondAfNaarInt16, HalvesToEvenAndSaturates) {
    EXPECT_EQ(rondAfNaarInt16(2008), 2008);
    EXPECT_EQ(rondAfNaarInt16(2008.5), 2008);
    EXPECT_EQ(rondAfNaarInt16(2009.5), 2010);
    EXPECT_EQ(rondAfNaarInt16(2009.4), 2009);
    EXPECT_EQ(rondAfNaarInt16(-0.5), 0);
    EXPECT_EQ(rondAfNaarInt16(-1.5), -2);
    EXPECT_EQ(rondAfNaarInt16(1e9), 32767);
    EXPECT_EQ(rondAfNaarInt16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(rondAfNaarInt16(-1e9), -32768);
    EXPECT_EQ(rondAfNaarInt16(std::nan("")), 0);
}

} // namespace
} // namespace kz
