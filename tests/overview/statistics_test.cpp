#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "overview/statistics.h"

namespace kz {
namespace {

TEST(Statistiek, TextsOfAllLabelsWithLargeCountsAndBothSeparators) {
    Kaarten k;
    k.nietbezocht = 392, k.bezocht = 235, k.zondernl = 680, k.fakeregio = 70000;
    k.jrvak = {57, 3, 140};
    k.nieuw = {12, 0, 140};
    const Statistiek s = maakStatistiek(k, 40000, 123456, ",");
    EXPECT_EQ((std::array{s.aantal0, s.aantal1, s.perc0, s.perc1, s.nlcache, s.totcache}),
              (std::array<std::string, 6>{"392", "235", "62,5%", "37,5%", "40000", "123456"}));
    EXPECT_EQ(s.label1_2, "Regio zonder Nederlandse caches (680)");
    EXPECT_EQ(s.label1_3, "Gevonden cache in 'fake'-Regio (70000)");
    EXPECT_EQ(s.nrjr, (std::array<std::string, 3>{"57 (12)", "3 (0)", "140 (140)"}));
    const Statistiek punt = maakStatistiek(k, 0, 0, ".");
    EXPECT_EQ(punt.perc0 + " " + punt.perc1, "62.5% 37.5%");
}

TEST(Statistiek, OneDecimalRoundsTheExactValue) {
    // Exact halves round away from zero; 0.15 and 9.95 are stored slightly low and round
    // down; no negative zero.
    const std::pair<double, const char*> gevallen[] = {
        {0, "0,0"},     {37.48, "37,5"}, {99.96, "100,0"}, {0.25, "0,3"},   {0.15, "0,1"},
        {9.95, "9,9"},  {-2.25, "-2,3"}, {-0.04, "0,0"},   {1e-300, "0,0"}, {123456.06, "123456,1"},
        {1e20, "100000000000000000000,0"}};
    for (const auto& [waarde, tekst] : gevallen) EXPECT_EQ(vormEenDecimaal(waarde, ","), tekst) << waarde;
    EXPECT_EQ(vormEenDecimaal(12.75, "."), "12.8");
}

TEST(Statistiek, PercentagesOfTheMaskAreCloseAndComplementary) {
    for (int32_t a = 0; a <= 627; ++a) {
        const std::string p = percentage(a, 627 - a, "."), q = percentage(627 - a, a, ".");
        ASSERT_EQ(p.back(), '%');
        EXPECT_NEAR(std::stod(p), 100.0 * a / 627, 0.05 + 1e-4) << a;
        EXPECT_NEAR(std::stod(p) + std::stod(q), 100.0, 0.1 + 1e-9) << a;
    }
    // An empty mask would divide by zero; the share is then nothing.
    EXPECT_EQ(percentage(0, 0, ","), "0,0%");
}

} // namespace
} // namespace kz
