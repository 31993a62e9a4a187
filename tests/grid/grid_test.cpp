// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/kern.h"

namespace kz {
namespace {

TEST(Raster, CellOfACoordinateTheGridTestAndVakindex) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    // An edge belongs to the band that begins there; big values saturate instead of wrapping.
    const std::tuple<double, double, int, int, bool> gevallen[] = {
        {50.7, 5, 507, 60, true},    {53.49999, 5, 534, 60, true}, {53.5, 5, 535, 60, false},
        {50.69, 5, 506, 60, false},  {52, 3.3334, 520, 40, true},  {52, 3.333333, 520, 39, false},
        {52, 7.2499, 520, 86, true}, {52, 7.25, 520, 87, false},   {53.45, 7.2, 534, 86, true},
        {0, 0, 0, 0, false},         {-0.05, -0.01, -1, -1, false}, {1e300, -1e300, 32767, -32768, false},
        {inf, -inf, 32767, -32768, false}, {3276.9, -2730.8, 32767, -32768, false}, {nan, nan, 0, 0, false}};
    for (const auto& [breedte, lengte, rij, kolom, binnen] : gevallen) {
        const Vak v = vakVanCoordinaat(breedte, lengte);
        EXPECT_EQ(std::tuple(v.rij, v.kolom, inRaster(v.rij, v.kolom)), std::tuple(rij, kolom, binnen))
            << breedte << ' ' << lengte;
    }
    const std::array<int, 3> nummers[] = {{534, 40, 0},   {534, 86, 46},   {533, 40, 47},
                                          {520, 60, 678}, {507, 40, 1269}, {507, 86, 1315}};
    for (const auto& [rij, kolom, index] : nummers)
        EXPECT_EQ(std::tuple(vakindex(rij, kolom), rijVanIndex(index), kolomVanIndex(index)), std::tuple(index, rij, kolom));
}

TEST(Masker, ShapeOfTheDutchRegions) {
    const NlMasker& nl = nederlandseRegios();
    // The corners, the one Dutch cell of the west column, and gaps inside the outline.
    EXPECT_EQ((std::array{nl(534, 40), nl(534, 86), nl(507, 40), nl(513, 40), nl(525, 60), nl(525, 61), nl(525, 64),
                          nl(525, 65), nl(524, 80), nl(524, 81), nl(524, 82), nl(534, 63), nl(534, 64)}),
              (std::array<int16_t, 13>{0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1}));
}

constexpr Coordinaat amsterdam{52.3676, 4.9041}, utrecht{52.0907, 5.1214}, groningen{53.2194, 6.5665},
    maastricht{50.8514, 5.6910};

TEST(Afstand, KnownPairsOfPointsAndTheNearestPointOfACell) {
    // Straight-line distances as atlases give them: Amsterdam-Utrecht 34 km, Groningen-Maastricht 270 km.
    EXPECT_NEAR(afstandKm(amsterdam, utrecht), 34.16, 0.01);
    EXPECT_NEAR(afstandKm(groningen, maastricht), 270.03, 0.01);

    EXPECT_NEAR(koers(amsterdam, utrecht), 154.24, 0.01);
    EXPECT_NEAR(koers({52, 5}, {52, 4}), 270.39, 0.01); // west, curving north of the parallel
    EXPECT_EQ(koers(utrecht, utrecht), 0);
    const std::pair<double, int> streken[] = {{22.4, 0}, {22.5, 1}, {180, 4}, {337.4, 7}, {337.5, 0}, {-45, 7}, {720, 0}};
    for (const auto& [graden, streek] : streken) EXPECT_EQ(windstreek(graden), streek) << graden;

    // To the nearest point of a cell. From Utrecht's cell (520, 61) two rows up: straight
    // north; diagonally: to the cell's south-west corner.
    EXPECT_NEAR(afstandTotVakKm(utrecht, Vakgrenzen::van(522, 61)), (52.2 - 52.0907) * 111.195, 0.001);
    const Vakgrenzen ne = Vakgrenzen::van(522, 63);
    EXPECT_EQ(afstandTotVakKm(utrecht, ne), afstandKm(utrecht, {52.2, 63 / 12.0}));
    EXPECT_EQ(windstreek(koers(utrecht, ne.dichtstBij(utrecht))), 1);
    EXPECT_NEAR(ne.midden().breedte, 52.25, 1e-12);
    EXPECT_NEAR(ne.midden().lengte, 63.5 / 12, 1e-12);
}

} // namespace
} // namespace kz
