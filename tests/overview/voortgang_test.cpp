// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "overview/overzicht.h"
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

TEST(Voortgang, CumulativeCountsOverEveryYear) {
    const std::vector<int> binnen = test::Gpx::vakken(true), buiten = test::Gpx::vakken(false);
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

} // namespace
} // namespace kz
