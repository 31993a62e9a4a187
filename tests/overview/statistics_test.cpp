#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "overview/statistics.h"

namespace kz {
namespace {

Kaarten tellingen(int32_t nietbezocht, int32_t bezocht, int32_t zondernl, int32_t fakeregio) {
    Kaarten k;
    k.nietbezocht = nietbezocht;
    k.bezocht = bezocht;
    k.zondernl = zondernl;
    k.fakeregio = fakeregio;
    return k;
}

TEST(Statistiek, NoDutchFinds) {
    const Statistiek s = maakStatistiek(tellingen(627, 0, 689, 0), 0, 12, ",");
    EXPECT_EQ(s.aantal0, "627");
    EXPECT_EQ(s.aantal1, "0");
    EXPECT_EQ(s.perc0, "100,0%");
    EXPECT_EQ(s.perc1, "0,0%");
    EXPECT_EQ(s.label1_2, "Regio zonder Nederlandse caches (689)");
    EXPECT_EQ(s.label1_3, "Gevonden cache in 'fake'-Regio (0)");
    EXPECT_EQ(s.nlcache, "0");
    EXPECT_EQ(s.totcache, "12");
    for (const std::string& t : s.nrjr) EXPECT_EQ(t, "0 (0)");
}

TEST(Statistiek, VisitedRegionsYearsAndLargeCounts) {
    Kaarten k = tellingen(392, 235, 680, 9);
    k.jrvak = {57, 3, 140};
    k.nieuw = {12, 0, 140};
    Statistiek s = maakStatistiek(k, 40000, 123456, ",");
    EXPECT_EQ(s.aantal1, "235");
    EXPECT_EQ(s.aantal0, "392");
    EXPECT_EQ(s.perc1, "37,5%");
    EXPECT_EQ(s.perc0, "62,5%");
    EXPECT_EQ(s.label1_2, "Regio zonder Nederlandse caches (680)");
    EXPECT_EQ(s.label1_3, "Gevonden cache in 'fake'-Regio (9)");
    EXPECT_EQ(s.nrjr[0], "57 (12)");
    EXPECT_EQ(s.nrjr[1], "3 (0)");
    EXPECT_EQ(s.nrjr[2], "140 (140)");
    EXPECT_EQ(s.nlcache, "40000");
    EXPECT_EQ(s.totcache, "123456");

    s = maakStatistiek(k, 0, 0, ".");
    EXPECT_EQ(s.perc1, "37.5%");
    EXPECT_EQ(s.perc0, "62.5%");
    EXPECT_EQ(tussenHaakjes(70000), " (70000)");
    EXPECT_EQ(tussenHaakjes(0), " (0)");
}

TEST(Statistiek, OneDecimalRoundsTheExactValue) {
    EXPECT_EQ(vormEenDecimaal(0, ","), "0,0");
    EXPECT_EQ(vormEenDecimaal(37.48, ","), "37,5");
    EXPECT_EQ(vormEenDecimaal(100, ","), "100,0");
    EXPECT_EQ(vormEenDecimaal(99.96, ","), "100,0");
    EXPECT_EQ(vormEenDecimaal(0.04, ","), "0,0");
    // Exact halves round away from zero; values just below a half (0.15 and 9.95 are
    // stored slightly low) round down.
    EXPECT_EQ(vormEenDecimaal(0.25, ","), "0,3");
    EXPECT_EQ(vormEenDecimaal(12.75, "."), "12.8");
    EXPECT_EQ(vormEenDecimaal(0.15, ","), "0,1");
    EXPECT_EQ(vormEenDecimaal(9.95, ","), "9,9");
    EXPECT_EQ(vormEenDecimaal(-2.25, ","), "-2,3");
    EXPECT_EQ(vormEenDecimaal(-0.04, ","), "0,0");
    EXPECT_EQ(vormEenDecimaal(1e20, ","), "100000000000000000000,0");
    EXPECT_EQ(vormEenDecimaal(123456.06, ","), "123456,1");
    EXPECT_EQ(vormEenDecimaal(1e-300, ","), "0,0");
}

TEST(Statistiek, PercentagesOfTheMaskAreCloseAndComplementary) {
    for (int32_t a = 0; a <= 627; ++a) {
        const std::string p = percentage(a, 627 - a, ".");
        ASSERT_EQ(p.back(), '%');
        const double gelezen = std::stod(p.substr(0, p.size() - 1));
        EXPECT_NEAR(gelezen, 100.0 * a / 627, 0.05 + 1e-4) << a;
        const std::string q = percentage(627 - a, a, ".");
        EXPECT_NEAR(gelezen + std::stod(q.substr(0, q.size() - 1)), 100.0, 0.1 + 1e-9) << a;
    }
    // An empty mask would divide by zero; the share is then shown as nothing.
    EXPECT_EQ(percentage(0, 0, ","), "0,0%");
}

} // namespace
} // namespace kz
