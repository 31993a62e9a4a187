#include <gtest/gtest.h>

#include "foundlog/pass_start.h"

namespace kz {
namespace {

TEST(PassStart, YearsAreSortedAscendingAndEqualYearsStay) {
    // Positions of 2012, 2005, 2009.
    std::array<int, 3> p{11, 4, 8};
    sorteerJaren(p);
    EXPECT_EQ(p, (std::array<int, 3>{4, 8, 11}));
    EXPECT_EQ(jaarVanPositie(p[0]), 2005);
    EXPECT_EQ(jaarVanPositie(p[1]), 2009);
    EXPECT_EQ(jaarVanPositie(p[2]), 2012);

    // Every order of three positions, with repeats, ends up sorted and keeps its values.
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 3; ++c) {
                std::array<int, 3> q{a, b, c};
                sorteerJaren(q);
                EXPECT_LE(q[0], q[1]);
                EXPECT_LE(q[1], q[2]);
                EXPECT_EQ(q[0] + q[1] + q[2], a + b + c);
                EXPECT_EQ(q[0] * q[1] * q[2], a * b * c);
            }

    std::array<int, 3> gelijk{14, 0, 14};
    sorteerJaren(gelijk);
    EXPECT_EQ(gelijk, (std::array<int, 3>{0, 14, 14}));
    EXPECT_EQ(jaarVanPositie(0), 2001);
    EXPECT_EQ(jaarVanPositie(14), 2015);
}

TEST(PassStart, PathGetsExactlyOneSeparator) {
    EXPECT_EQ(bouwPad("/home/jan/gpx", "gevonden.gpx"), "/home/jan/gpx/gevonden.gpx");
    EXPECT_EQ(bouwPad("/", "gevonden.gpx"), "/gevonden.gpx");
    EXPECT_EQ(bouwPad("/home/jan/gpx/", "a b.gpx"), "/home/jan/gpx/a b.gpx");
}

} // namespace
} // namespace kz
