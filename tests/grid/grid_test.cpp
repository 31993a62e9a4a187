#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "grid/grid.h"

namespace kz {
namespace {

TEST(Grid, CellBoundaries) {
    EXPECT_EQ(vakVanCoordinaat(50.7, 5).rij, 507);
    EXPECT_EQ(vakVanCoordinaat(53.49999, 5).rij, 534);
    EXPECT_EQ(vakVanCoordinaat(53.5, 5).rij, 535);
    EXPECT_EQ(vakVanCoordinaat(50.69, 5).rij, 506);
    EXPECT_EQ(vakVanCoordinaat(52, 3.3334).kolom, 40);
    EXPECT_EQ(vakVanCoordinaat(52, 3.333333).kolom, 39);
    EXPECT_EQ(vakVanCoordinaat(52, 7.2499).kolom, 86);
    EXPECT_EQ(vakVanCoordinaat(52, 7.25).kolom, 87);
    const Vak nul = vakVanCoordinaat(0, 0);
    EXPECT_EQ(nul.rij, 0);
    EXPECT_EQ(nul.kolom, 0);
    EXPECT_FALSE(inRaster(nul.rij, nul.kolom));
    EXPECT_EQ(vakVanCoordinaat(-0.05, -0.01).rij, -1);
    EXPECT_EQ(vakVanCoordinaat(-0.05, -0.01).kolom, -1);

    const Vak v = vakVanCoordinaat(52.0, 5.0);
    EXPECT_DOUBLE_EQ(v.breedte10, 520);
    EXPECT_DOUBLE_EQ(v.lengte12, 60);
    EXPECT_EQ(vakindex(v.rij, v.kolom), 678);
    EXPECT_EQ(vakVanCoordinaat(50.75, 3.5).rij, 507);
    EXPECT_EQ(vakVanCoordinaat(50.75, 3.5).kolom, 42);
    EXPECT_EQ(vakVanCoordinaat(53.45, 7.2).rij, 534);
    EXPECT_EQ(vakVanCoordinaat(53.45, 7.2).kolom, 86);
}

TEST(Grid, HugeAndNonNumericCoordinatesFallOutsideWithoutOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {1e300, -1e300, inf, -inf, 3276.9, -3276.9, std::nan("")}) {
        const Vak v = vakVanCoordinaat(x, x);
        EXPECT_FALSE(inRaster(v.rij, v.kolom)) << x;
    }
    EXPECT_EQ(rondAfNaarIndex(1e300), 32767);
    EXPECT_EQ(rondAfNaarIndex(-1e300), -32768);
    EXPECT_EQ(rondAfNaarIndex(std::nan("")), 0);
}

TEST(Grid, VakindexBothWays) {
    EXPECT_EQ(vakindex(534, 40), 0);
    EXPECT_EQ(vakindex(534, 86), 46);
    EXPECT_EQ(vakindex(533, 40), 47);
    EXPECT_EQ(vakindex(520, 60), 678);
    EXPECT_EQ(vakindex(507, 40), 1269);
    EXPECT_EQ(vakindex(507, 86), 1315);
    for (int i = 0; i < aantalVakken; ++i) {
        ASSERT_TRUE(inRaster(rijVanIndex(i), kolomVanIndex(i)));
        ASSERT_EQ(vakindex(rijVanIndex(i), kolomVanIndex(i)), i);
    }
}

TEST(Grid, GevondenCountsPerYearAndCellAndWipes) {
    Gevonden g;
    g.telOp(2003, 520, 60);
    g.telOp(totaalslot, 520, 60);
    g.telOp(2015, 534, 86);
    g.telOp(2000, 507, 40);
    EXPECT_EQ(g(2003, 520, 60), 1);
    EXPECT_EQ(g(2000, 520, 60), 1);
    EXPECT_EQ(g(2004, 520, 60), 0);
    EXPECT_EQ(g(2015, 534, 86), 1);
    EXPECT_EQ(g(2000, 507, 40), 1);
    for (int i = 0; i < 40000; ++i) g.telOp(2005, 520, 60);
    EXPECT_EQ(g(2005, 520, 60), 40000); // no 16-bit wrap
    g.wis();
    for (int j = totaalslot; j <= laatsteJaar; ++j)
        for (int r = eersteRij; r <= laatsteRij; ++r)
            for (int k = eersteKolom; k <= laatsteKolom; ++k) ASSERT_EQ(g(j, r, k), 0);
}

TEST(Mask, ShapeOfTheDutchRegions) {
    NlMasker nl;
    EXPECT_EQ(nl.aantal(), 0);
    leesnl(nl);
    EXPECT_EQ(nl.aantal(), 627);
    leesnl(nl); // writing it again changes nothing
    EXPECT_EQ(nl.aantal(), 627);

    EXPECT_EQ(nl(534, 40), 0);
    EXPECT_EQ(nl(534, 86), 0);
    EXPECT_EQ(nl(507, 40), 0);
    EXPECT_EQ(nl(507, 86), 0);
    // Westernmost: the only Dutch cell of column 40.
    for (int r = eersteRij; r <= laatsteRij; ++r) EXPECT_EQ(nl(r, 40), r == 513 ? 1 : 0) << r;
    // Easternmost column: exactly rows 529, 530, 531.
    for (int r = eersteRij; r <= laatsteRij; ++r) EXPECT_EQ(nl(r, 86), (r >= 529 && r <= 531) ? 1 : 0) << r;
    // Southernmost and northernmost rows.
    for (int k = eersteKolom; k <= laatsteKolom; ++k) EXPECT_EQ(nl(507, k), (k >= 68 && k <= 72) ? 1 : 0) << k;
    int noord = 0;
    for (int k = eersteKolom; k <= laatsteKolom; ++k) noord += nl(534, k);
    EXPECT_EQ(noord, 10);
    EXPECT_EQ(nl(534, 63), 0);
    EXPECT_EQ(nl(534, 64), 1);
    // Gaps inside the outline.
    EXPECT_EQ(nl(525, 60), 1);
    for (int k = 61; k <= 64; ++k) EXPECT_EQ(nl(525, k), 0);
    EXPECT_EQ(nl(525, 65), 1);
    EXPECT_EQ(nl(524, 80), 1);
    EXPECT_EQ(nl(524, 81), 0);
    EXPECT_EQ(nl(524, 82), 1);
    for (int k = 59; k <= 63; ++k) EXPECT_EQ(nl(528, k), 0);
    // Typical cell of Amsterdam.
    EXPECT_EQ(nl(523, 58), 1);
}

} // namespace
} // namespace kz
