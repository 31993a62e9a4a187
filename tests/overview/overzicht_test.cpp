#include <gtest/gtest.h>

#include <algorithm>

#include "overview/overzicht.h"

namespace kz {
namespace {

TEST(Aandeel, SinglePrecisionQuotientTimesHundred) {
    // 5 of 627 is 0.797448158 in double precision.
    EXPECT_EQ((std::array{aandeel(235, 392), aandeel(392, 235), aandeel(5, 622), aandeel(0, 627), aandeel(0, 0)}),
              (std::array{37.4800644f, 62.5199394f, 0.797448099f, 0.0f, 0.0f}));
}

TEST(SorteerJaren, AscendingWithRepeats) {
    // Every choice of three of these years, repeats included (2012, 2005, 2009 is n = 11).
    const int j[] = {2005, 2009, 2012};
    for (int n = 0; n < 27; ++n) {
        std::array<int, 3> p{j[n % 3], j[n / 3 % 3], j[n / 9]}, verwacht = p;
        std::sort(verwacht.begin(), verwacht.end());
        sorteerJaren(p);
        EXPECT_EQ(p, verwacht) << n;
    }
}

} // namespace
} // namespace kz
