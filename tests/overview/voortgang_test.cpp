// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "grid/afstand.h"
#include "overview/overzicht.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/voortgang.h"
#include "support/geheugenbron.h"
#include "support/gpx.h"

namespace kz {
namespace {

using Rij = std::tuple<int, int32_t, int32_t, int32_t, int32_t, int32_t>;
Rij rij(const Voortgang::Jaar& j) { return {j.jaar, j.vondsten, j.nlVondsten, j.regios, j.nieuw, j.totNu}; }

std::optional<Overzicht> overzicht(const test::Gpx& gpx, int huidigJaar) {
    GpxBestand bestand(std::make_unique<test::GeheugenBron>(gpx.tekst()));
    return maakOverzicht(bestand, {2008, 2016, 2024}, false, nederlandseRegios(), {}, huidigJaar);
}

class VoortgangTest : public ::testing::Test {
protected:
    const std::vector<int> binnen = test::Gpx::vakken(true), buiten = test::Gpx::vakken(false);
};

TEST_F(VoortgangTest, CumulativeCountsOverEveryYear) {
    test::Gpx g;
    g.in(binnen[0], 2008).in(binnen[0], 2008).in(binnen[1], 2008); // two regions, both new
    g.in(binnen[1], 2010).in(binnen[2], 2010);                     // 2009 without finds; one new
    g.wpt("50.85", "4.35", 2010, "Belgium").wpt("50.65", "5.7", 2010); // abroad; Dutch but off the grid
    g.in(buiten[5], 2016);                                         // a fake cell: no region
    g.in(binnen[3], 2024).in(binnen[0], 2024);                     // after 2015: one new
    g.in(binnen[4], 2000).in(binnen[0], 2000).in(binnen[5], 2031).in(binnen[6], 12); // no usable year
    const std::optional<Overzicht> o = overzicht(g, 2026);
    ASSERT_TRUE(o);
    const Voortgang v = Voortgang::van(*o, nederlandseRegios());
    EXPECT_EQ(v.aantalRegios, 627);
    std::vector<Rij> jaren;
    for (const Voortgang::Jaar& j : v.jaren) jaren.push_back(rij(j));
    ASSERT_EQ(jaren.size(), 17u); // 2008 to 2024
    EXPECT_EQ(jaren[0], Rij(2008, 3, 3, 2, 2, 2));
    EXPECT_EQ(jaren[1], Rij(2009, 0, 0, 0, 0, 2));
    EXPECT_EQ(jaren[2], Rij(2010, 4, 3, 2, 1, 3));
    EXPECT_EQ(jaren[8], Rij(2016, 1, 1, 0, 0, 3));
    EXPECT_EQ(jaren[16], Rij(2024, 2, 2, 2, 1, 4));
    // The yearless finds: four regions hold them, three of which no dated find visited;
    // so far is then every visited region, as the main map counts them.
    ASSERT_TRUE(v.zonderJaar);
    EXPECT_EQ(rij(*v.zonderJaar), Rij(0, 4, 4, 4, 3, 7));
    EXPECT_EQ(v.zonderJaar->totNu, o->kaarten.bezocht);
    // The year maps of the pass say the same for their years.
    EXPECT_EQ(o->kaarten.jrvak, (std::array<int32_t, 3>{2, 0, 2}));
    EXPECT_EQ(o->kaarten.nieuw, (std::array<int32_t, 3>{2, 0, 1}));

    // Before its time the clock gives only the years of the year lists their own slot.
    const Voortgang vroeg = Voortgang::van(*overzicht(g, 2015), nederlandseRegios());
    EXPECT_EQ(rij(vroeg.jaren.back()), Rij(2010, 4, 3, 2, 1, 3));
    EXPECT_EQ(rij(*vroeg.zonderJaar), Rij(0, 7, 7, 5, 4, 7));
    // Nothing found: no years, no line without a year.
    const Voortgang niets = Voortgang::van(*overzicht(test::Gpx(), 2026), nederlandseRegios());
    EXPECT_TRUE(niets.jaren.empty() && !niets.zonderJaar);
}

TEST_F(VoortgangTest, RegionsAndTheNearestUnvisitedOnes) {
    test::Gpx g;
    g.in(binnen[10], 2009).in(binnen[10], 2020).in(binnen[10], 2000).in(buiten[0], 2012).in(binnen[11], 2000);
    const std::optional<Overzicht> o = overzicht(g, 2026);
    ASSERT_TRUE(o);
    const std::vector<Regio> regios = Regio::alle(o->gevonden, nederlandseRegios());
    ASSERT_EQ(regios.size(), 628u); // 627 regions and the one fake cell with finds
    int bezocht = 0, fake = 0;
    for (std::size_t i = 1; i < regios.size(); ++i)
        ASSERT_LT(vakindex(regios[i - 1].rij, regios[i - 1].kolom), vakindex(regios[i].rij, regios[i].kolom));
    for (const Regio& r : regios) {
        bezocht += r.status == Regio::Status::Bezocht;
        fake += r.status == Regio::Status::Fake;
    }
    EXPECT_EQ(std::tuple(bezocht, fake), std::tuple(2, 1));
    const auto van = [&](int k) {
        for (const Regio& r : regios)
            if (vakindex(r.rij, r.kolom) == k) return r;
        return Regio{};
    };
    const Regio tien = van(binnen[10]), elf = van(binnen[11]);
    EXPECT_EQ(std::tuple(tien.vondsten, tien.eersteVondstjaar, tien.perJaar.size()), std::tuple(3, 2009, 2u));
    EXPECT_EQ(tien.perJaar.back(), (std::pair<int, int32_t>{2020, 1}));
    EXPECT_EQ(std::tuple(elf.status, elf.vondsten, elf.eersteVondstjaar), std::tuple(Regio::Status::Bezocht, 1, 0));
    EXPECT_EQ(van(buiten[0]).status, Regio::Status::Fake);

    // From Utrecht: its own region first, at 0 km; then by distance, never a visited one.
    const Coordinaat utrecht{52.0907, 5.1214};
    const std::vector<Regioafstand> alle = Regioafstand::nietBezocht(regios, utrecht);
    ASSERT_EQ(alle.size(), 625u);
    EXPECT_EQ(std::tuple(alle[0].rij, alle[0].kolom, alle[0].km, alle[0].binnen), std::tuple(520, 61, 0.0, true));
    for (std::size_t i = 1; i < alle.size(); ++i) {
        ASSERT_LE(alle[i - 1].km, alle[i].km);
        ASSERT_FALSE(alle[i].binnen);
        ASSERT_NEAR(alle[i].km, afstandTotVakKm(utrecht, Vakgrenzen::van(alle[i].rij, alle[i].kolom)), 1e-9);
    }
    const std::vector<Regioafstand> tien_ = Regioafstand::nietBezocht(regios, utrecht, 10);
    ASSERT_EQ(tien_.size(), 10u);
    EXPECT_EQ(tien_[9].km, alle[9].km);
}

} // namespace
} // namespace kz
