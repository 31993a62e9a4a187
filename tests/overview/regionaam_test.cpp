// SPDX-License-Identifier: GPL-3.0-or-later
// The place and province of every region, and the progress per province.
#include "support/kern.h"

namespace kz {
namespace {

// Every cell is named after the largest place in it, or else the nearest one; each region
// has one within 11 km (the places that name known cells: teksten_test).
TEST(Regionaam, EveryCellIsNamedAfterItsLargestOrNearestPlace) {
    const NlMasker& nl = nederlandseRegios();
    int regios = 0, metPlaats = 0;
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
        ++regios;
        metPlaats += erin(*p);
        EXPECT_LE(afstandTotVakKm(p->positie(), g), 11.0) << rij << "/" << kolom;
    }
    EXPECT_EQ(std::pair(regios, metPlaats), std::pair(627, 487));
}

TEST(Provincievoortgang, CountsEachRegionOnceForItsPlacesProvince) {
    Gevonden gevonden(2024);
    test::vondst(gevonden, 2009, 520, 61, 3); // Utrecht, three finds: one region
    test::vondst(gevonden, 2024, 520, 62);    // Zeist
    test::vondst(gevonden, 2010, 515, 43);    // Middelburg
    test::vondst(gevonden, 2010, 507, 40);    // a fake cell: no region of any province
    const Provincievoortgang v = Provincievoortgang::van(gevonden, nederlandseRegios());
    int regios = 0, bezocht = 0;
    for (std::size_t p = 0; p < aantalProvincies; ++p) {
        const auto& r = v.regels[p];
        EXPECT_EQ(r.provincie, Provincie(p));
        EXPECT_GT(r.regios, 0) << provincienaam(r.provincie);
        regios += r.regios;
        bezocht += r.bezocht;
    }
    EXPECT_EQ(std::pair(regios, bezocht), std::pair(627, 3));
    EXPECT_EQ(v.regels[std::size_t(Provincie::Utrecht)].bezocht, 2);
    EXPECT_EQ(v.regels[std::size_t(Provincie::Zeeland)].bezocht, 1);
}

} // namespace
} // namespace kz
