// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "grid/afstand.h"
#include "grid/grid.h"

namespace kz {
namespace {

constexpr Coordinaat amsterdam{52.3676, 4.9041}, utrecht{52.0907, 5.1214}, groningen{53.2194, 6.5665},
    maastricht{50.8514, 5.6910};

TEST(Afstand, KnownPairsOfPoints) {
    // Straight-line distances as atlases give them: Amsterdam-Utrecht 34 km, Groningen-Maastricht 270 km.
    EXPECT_NEAR(afstandKm(amsterdam, utrecht), 34.16, 0.01);
    EXPECT_NEAR(afstandKm(utrecht, amsterdam), 34.16, 0.01);
    EXPECT_NEAR(afstandKm(groningen, maastricht), 270.03, 0.01);
    // One degree along a meridian, a quarter of the equator, the same point.
    EXPECT_NEAR(afstandKm({52, 5}, {53, 5}), 111.195, 0.001);
    EXPECT_NEAR(afstandKm({0, 0}, {0, 90}), 10007.557, 0.001);
    EXPECT_EQ(afstandKm(utrecht, utrecht), 0);

    EXPECT_NEAR(koers(amsterdam, utrecht), 154.24, 0.01);
    EXPECT_NEAR(koers(groningen, maastricht), 193.16, 0.01);
    EXPECT_NEAR(koers({52, 5}, {53, 5}), 0, 1e-9);
    EXPECT_NEAR(koers({0, 5}, {0, 6}), 90, 1e-9);
    EXPECT_NEAR(koers({52, 5}, {52, 4}), 270.39, 0.01); // west, curving north of the parallel
    EXPECT_EQ(koers(utrecht, utrecht), 0);
    // Eight points of 45 degrees, each centred on its direction.
    const std::pair<double, int> streken[] = {{0, 0}, {22.4, 0}, {22.5, 1}, {154.24, 3}, {180, 4}, {193.16, 4},
                                               {247.4, 5}, {247.6, 6}, {270, 6}, {337.4, 7}, {337.5, 0}, {359.9, 0}, {-45, 7}, {720, 0}};
    for (const auto& [graden, streek] : streken) EXPECT_EQ(windstreek(graden), streek) << graden;
}

TEST(Afstand, ToTheNearestPointOfACell) {
    // Utrecht lies in cell (520, 61): 52.0-52.1 N, 5 1/12 - 5 2/12 E.
    const Vakgrenzen thuis = Vakgrenzen::van(520, 61);
    EXPECT_TRUE(thuis.bevat(utrecht));
    EXPECT_EQ(afstandTotVakKm(utrecht, thuis), 0);
    // The cell two rows up begins 0.1 degree north of Utrecht's cell's top: straight north.
    EXPECT_NEAR(afstandTotVakKm(utrecht, Vakgrenzen::van(522, 61)), (52.2 - 52.0907) * 111.195, 0.001);
    // Diagonally: to the cell's south-west corner.
    const Vakgrenzen ne = Vakgrenzen::van(522, 63);
    EXPECT_EQ(afstandTotVakKm(utrecht, ne), afstandKm(utrecht, {52.2, 63 / 12.0}));
    EXPECT_EQ(windstreek(koers(utrecht, ne.dichtstBij(utrecht))), 1);
    EXPECT_NEAR(ne.midden().breedte, 52.25, 1e-12);
    EXPECT_NEAR(ne.midden().lengte, 63.5 / 12, 1e-12);
}

} // namespace
} // namespace kz
