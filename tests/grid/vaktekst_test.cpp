#include <gtest/gtest.h>

#include <string>

#include "grid/vaktekst.h"

namespace kz {
namespace {

// The two bounds of a band text "A – B N, C – D O".
struct Grenzen {
    std::string zuid, noord, west, oost;
};

Grenzen grenzen(const std::string& band) {
    const std::string streep = " \u2013 ";
    const std::size_t s1 = band.find(streep);
    const std::size_t n = band.find(" N, ");
    const std::size_t s2 = band.find(streep, n);
    const std::size_t o = band.rfind(" O");
    return {band.substr(0, s1), band.substr(s1 + streep.size(), n - s1 - streep.size()),
            band.substr(n + 4, s2 - n - 4), band.substr(s2 + streep.size(), o - s2 - streep.size())};
}

TEST(Vaktekst, BandenVanBekendeVakken) {
    EXPECT_EQ(bandTekst(523, 58, ","), "52,3\u00B0 \u2013 52,4\u00B0 N, 4\u00B0 50' \u2013 4\u00B0 55' O");
    EXPECT_EQ(bandTekst(507, 40, ","), "50,7\u00B0 \u2013 50,8\u00B0 N, 3\u00B0 20' \u2013 3\u00B0 25' O");
    EXPECT_EQ(bandTekst(534, 86, ","), "53,4\u00B0 \u2013 53,5\u00B0 N, 7\u00B0 10' \u2013 7\u00B0 15' O");
    // Bands that end on a whole degree, and the separator of another locale.
    EXPECT_EQ(bandTekst(509, 47, "."), "50.9\u00B0 \u2013 51.0\u00B0 N, 3\u00B0 55' \u2013 4\u00B0 00' O");
    EXPECT_EQ(bandTekst(510, 48, ","), "51,0\u00B0 \u2013 51,1\u00B0 N, 4\u00B0 00' \u2013 4\u00B0 05' O");
}

TEST(Vaktekst, AangrenzendeBandenSluitenOpElkaarAan) {
    // Every row ends where the next begins, every column likewise: no band is skipped,
    // repeated or written with a minute or tenth that overflows.
    for (int rij = eersteRij; rij < laatsteRij; ++rij) {
        const Grenzen a = grenzen(bandTekst(rij, 60, ",")), b = grenzen(bandTekst(rij + 1, 60, ","));
        EXPECT_EQ(a.noord, b.zuid) << rij;
        EXPECT_NE(a.zuid, b.zuid) << rij;
        EXPECT_EQ(a.zuid.size(), std::string("52,3\u00B0").size()) << rij;
    }
    for (int kolom = eersteKolom; kolom < laatsteKolom; ++kolom) {
        const Grenzen a = grenzen(bandTekst(520, kolom, ",")), b = grenzen(bandTekst(520, kolom + 1, ","));
        EXPECT_EQ(a.oost, b.west) << kolom;
        EXPECT_NE(a.west, b.west) << kolom;
        EXPECT_EQ(a.west.size(), std::string("4\u00B0 50'").size()) << kolom;
    }
}

TEST(Vaktekst, VolledigeTekstPerKaartsoort) {
    const std::string band678 = "52,0\u00B0 \u2013 52,1\u00B0 N, 5\u00B0 00' \u2013 5\u00B0 05' O";
    // Before the first pass there is no count.
    EXPECT_EQ(vakTekst(678, true, std::nullopt, 0, ","), band678 + "\nNederlandse cache-regio");
    EXPECT_EQ(vakTekst(0, false, std::nullopt, 2008, ","),
              "53,4\u00B0 \u2013 53,5\u00B0 N, 3\u00B0 20' \u2013 3\u00B0 25' O\nRegio zonder Nederlandse caches");
    EXPECT_EQ(vakTekst(678, true, 17, 0, ","), band678 + "\nNederlandse cache-regio\nGevonden: 17 (alle jaren)");
    EXPECT_EQ(vakTekst(678, false, 0, 2008, ","),
              band678 + "\nRegio zonder Nederlandse caches\nGevonden in 2008: 0");
}

TEST(Vaktekst, AantallenUitEenJaarOfAlleJaren) {
    Gevonden g;
    g.telOp(2008, 520, 60);
    g.telOp(2008, 520, 60);
    g.telOp(totaalslot, 520, 60);
    g.telOp(totaalslot, 520, 60);
    g.telOp(totaalslot, 520, 60);
    g.telOp(2008, 534, 40);
    g.telOp(2009, 507, 86);

    const auto jaar = aantallenPerVak(g, 2008);
    EXPECT_EQ(jaar[678], 2);
    EXPECT_EQ(jaar[0], 1);
    EXPECT_EQ(jaar[1315], 0);
    int som = 0;
    for (int32_t n : jaar) som += n;
    EXPECT_EQ(som, 3);

    const auto alle = aantallenPerVak(g, totaalslot);
    EXPECT_EQ(alle[678], 3);
    EXPECT_EQ(alle[0], 0);
    EXPECT_EQ(aantallenPerVak(g, 2009)[1315], 1);
}

} // namespace
} // namespace kz
