// SPDX-License-Identifier: GPL-3.0-or-later
// The place and province of every region, and the progress per province.
#include "support/kern.h"

namespace kz {
namespace {

// Every cell has a place, at the distance it gives; each region one within 11 km (the places
// that name known cells: teksten_test).
TEST(Regionaam, EveryRegionHasAPlaceNearby) {
    const NlMasker& nl = nederlandseRegios();
    int regios = 0, metPlaats = 0;
    for (int i = 0; i < aantalVakken; ++i) {
        const int rij = rijVanIndex(i), kolom = kolomVanIndex(i);
        const Regionaam& n = Regionaam::van(rij, kolom);
        ASSERT_TRUE(n.plaats) << rij << "/" << kolom;
        EXPECT_NEAR(afstandTotVakKm(n.plaats->positie(), Vakgrenzen::van(rij, kolom)), n.km, 1e-9);
        if (nl(rij, kolom) == 0) continue;
        ++regios;
        metPlaats += n.binnen;
        EXPECT_LE(n.km, 11.0) << rij << "/" << kolom;
    }
    EXPECT_EQ(std::pair(regios, metPlaats), std::pair(627, 487));
    // Off the Wadden coast the nearest place, with distance from the edge and direction.
    const Regionaam& wad = Regionaam::van(532, 58);
    EXPECT_EQ(std::tuple(std::string(wad.plaats->naam), wad.binnen, windstreek(wad.koers)),
              std::tuple("Oost-Vlieland", false, 2));
    EXPECT_NEAR(wad.km, 10.48, 0.01);
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
