#include <gtest/gtest.h>

#include <algorithm>

#include "foundlog/pass_start.h"

namespace kz {
namespace {

TEST(PassStart, YearsAreSortedAscendingWithRepeatsAndThePathGetsOneSeparator) {
    // Every order of three positions, repeats included, ends up as a sort would leave it.
    for (int n = 0; n < 27; ++n) {
        std::array<int, 3> p{n % 3 * 7, n / 3 % 3 * 7, n / 9 * 7}, verwacht = p;
        std::sort(verwacht.begin(), verwacht.end());
        sorteerJaren(p);
        EXPECT_EQ(p, verwacht) << n;
    }
    EXPECT_EQ(jaarVanPositie(0), 2001);
    EXPECT_EQ(jaarVanPositie(14), 2015);

    EXPECT_EQ(bouwPad("/home/jan/gpx", "gevonden.gpx"), "/home/jan/gpx/gevonden.gpx");
    EXPECT_EQ(bouwPad("/", "a b.gpx"), "/a b.gpx");
}

} // namespace
} // namespace kz
