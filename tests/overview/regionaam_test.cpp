// SPDX-License-Identifier: GPL-3.0-or-later
// The place every region is named after.
#include "support/kern.h"

namespace kz {
namespace {

// Every cell is named after the largest place in it, or else the nearest one; each region
// has one within 11 km (the places that name known cells: teksten_test).
TEST(Regionaam, EveryCellIsNamedAfterItsLargestOrNearestPlace) {
    const NlMasker& nl = nederlandseRegios();
    int metPlaats = 0;
    for (int i = 0; i < aantalVakken; ++i) {
        const int rij = rijVanIndex(i), kolom = kolomVanIndex(i);
        const Plaats* p = Regionaam::van(rij, kolom).plaats;
        ASSERT_TRUE(p) << rij << "/" << kolom;
        const Vakgrenzen g = Vakgrenzen::van(rij, kolom);
        const auto erin = [&](const Plaats& q) {
            const Vak v = vakVanCoordinaat(q.breedte, q.lengte);
            return v.rij == rij && v.kolom == kolom;
        };
        for (const Plaats& q : Plaats::alle()) {
            if (erin(*p)) ASSERT_FALSE(erin(q) && q.inwoners > p->inwoners) << q.naam;
            else ASSERT_TRUE(!erin(q) && afstandTotVakKm(p->positie(), g) <= afstandTotVakKm(q.positie(), g)) << q.naam;
        }
        if (nl(rij, kolom) == 0) continue;
        metPlaats += erin(*p);
        EXPECT_LE(afstandTotVakKm(p->positie(), g), 11.0) << rij << "/" << kolom;
    }
    EXPECT_EQ(metPlaats, 487);
}

} // namespace
} // namespace kz
