// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/kern.h"

namespace kz {
namespace {

constexpr Kleur rood_ = rgb(255, 0, 0), groen_ = rgb(0, 255, 0), wit_ = rgb(255, 255, 255), blauw_ = rgb(0, 0, 255);
using Vier = std::array<Kleur, 4>;
using Drie = std::array<int32_t, 3>;

class KaartenTest : public ::testing::Test {
protected:
    // Dutch finds in cell i as the tally records them: year slot (if any) and all-years slot.
    void vondst(int i, int jaar, int aantal = 1) { test::vondst(gevonden, jaar, rijVanIndex(i), kolomVanIndex(i), aantal); }
    Kaarten kleur(std::array<int, 3> jaren, bool schakering) { return kleurKaarten(gevonden, nl, jaren, schakering); }
    static Vier op(const Kaarten& k, int i) { return {k.kleur[0][i], k.kleur[1][i], k.kleur[2][i], k.kleur[3][i]}; }
    static auto tellers(const Kaarten& k) {
        return std::tuple(k.nietbezocht, k.bezocht, k.zondernl, k.fakeregio, k.jrvak, k.nieuw);
    }

    const NlMasker& nl = nederlandseRegios();
    Gevonden gevonden;
    const std::vector<int> binnen = test::Gpx::vakken(true), buiten = test::Gpx::vakken(false);
};

TEST_F(KaartenTest, ColoursOfEveryKindOfCellOnEveryMap) {
    const std::pair<int, Kleur> klassen[] = {
        {1, rgb(128, 255, 128)}, {2, groen_}, {3, groen_}, {4, rgb(0, 192, 0)}, {6, rgb(0, 192, 0)}, {7, rgb(0, 128, 0)},
        {10, rgb(0, 128, 0)}, {11, rgb(0, 64, 0)}, {15, rgb(0, 64, 0)}, {16, rgb(0, 0, 0)}, {250, rgb(0, 0, 0)}};
    for (int i = 0; i < 11; ++i) vondst(binnen[i * 40], 2015, klassen[i].first);
    // Year maps shade by their own year; slotless years count on the main map only; blue outside.
    vondst(binnen[500], 2005, 4), vondst(binnen[500], 2006, 20);
    vondst(binnen[1], 2000), vondst(binnen[1], 2016);
    vondst(buiten[0], 2006, 3), vondst(buiten[0], 2000);
    for (bool schakering : {true, false}) {
        const Kaarten k = kleur({2005, 2006, 2015}, schakering);
        for (int i = 0; i < 11; ++i) {
            const Kleur verwacht = schakering ? klassen[i].second : groen_;
            EXPECT_EQ(op(k, binnen[i * 40]), (Vier{verwacht, rood_, rood_, verwacht})) << klassen[i].first;
        }
        const Kleur zwart = schakering ? rgb(0, 0, 0) : groen_;
        EXPECT_EQ(op(k, binnen[500]), (Vier{zwart, schakering ? rgb(0, 192, 0) : groen_, zwart, rood_}));
        EXPECT_EQ(op(k, binnen[1]), (Vier{groen_, rood_, rood_, rood_}));
        EXPECT_EQ(op(k, buiten[0]), (Vier{blauw_, wit_, blauw_, wit_}));
        EXPECT_EQ(tellers(k), std::tuple(614, 13, 688, 1, Drie{1, 1, 11}, Drie{1, 0, 11}));
    }
}

// New: first seen in that slot (2000 has none), also after 2015, where every earlier slot counts.
TEST_F(KaartenTest, NewRegionsLookOnlyAtEarlierYearSlotsAlsoAfter2015) {
    for (const auto& [i, jaar] : {std::pair{0, 2001}, {1, 2001}, {1, 2009}, {2, 2003}, {2, 2005}, {3, 2000}, {3, 2004},
                                  {4, 2005}, {4, 2004}})
        vondst(binnen[i], jaar);
    EXPECT_EQ(tellers(kleur({2001, 2003, 2005}, false)), std::tuple(622, 5, 689, 0, Drie{2, 1, 2}, Drie{2, 1, 0}));
    EXPECT_EQ(tellers(kleur({2004, 2009, 2015}, false)), std::tuple(622, 5, 689, 0, Drie{2, 1, 0}, Drie{2, 0, 0}));

    Gevonden laat(2030);
    for (const auto& [i, jaar] : {std::pair{0, 2016}, {0, 2024}, {1, 2024}, {2, 2010}, {2, 2024}, {3, 2029}})
        test::vondst(laat, jaar, rijVanIndex(binnen[i]), kolomVanIndex(binnen[i]));
    const Kaarten k = kleurKaarten(laat, nl, {2016, 2024, 2030}, false);
    EXPECT_EQ(tellers(k), std::tuple(623, 4, 689, 0, Drie{1, 3, 0}, Drie{1, 1, 0}));
    EXPECT_EQ(op(k, binnen[1]), (Vier{groen_, rood_, groen_, rood_}));
}

TEST(Aandeel, SinglePrecisionQuotientTimesHundred) {
    // 5 of 627 is 0.797448158 in double precision.
    EXPECT_EQ((std::array{aandeel(235, 392), aandeel(392, 235), aandeel(5, 622), aandeel(0, 627), aandeel(0, 0)}),
              (std::array{37.4800644f, 62.5199394f, 0.797448099f, 0.0f, 0.0f}));
}

// From the short date's last four characters: their leading number, within 2003 to 2015.
TEST(Startjaren, FromTheShortDate) {
    const std::pair<const char*, int> gevallen[] = {{"2009", 2009}, {"2002", 2003}, {"4-02", 2003}, {"4-09", 2003},
        {"2026", 2015}, {"1E99", 2015}, {"", 2003}, {"ndag", 2003}};
    for (const auto& [datum, jaar] : gevallen) EXPECT_EQ(datumjaar(datum), jaar) << datum;
}

using Rij = std::tuple<int, int32_t, int32_t, int32_t, int32_t, int32_t>;
Rij rij(const Voortgang::Jaar& j) { return {j.jaar, j.vondsten, j.nlVondsten, j.regios, j.nieuw, j.totNu}; }

TEST_F(KaartenTest, ProgressPerYearCountsCumulativelyOverEveryYear) {
    test::Gpx g;
    g.in(binnen[0], 2008).in(binnen[0], 2008).in(binnen[1], 2008); // two regions, both new
    g.in(binnen[1], 2010).in(binnen[2], 2010);                     // 2009 without finds; one new
    g.wpt("50.85", "4.35", 2010, "Belgium").wpt("50.65", "5.7", 2010); // abroad; Dutch but off the grid
    g.in(buiten[5], 2016);                                         // a fake cell: no region
    g.in(binnen[3], 2024).in(binnen[0], 2024);                     // after 2015: one new
    g.in(binnen[4], 2000).in(binnen[0], 2000).in(binnen[5], 2031).in(binnen[6], 12); // no usable year
    const Voortgang v = Voortgang::van(*test::overzicht(g, {2008, 2016, 2024}), nederlandseRegios());
    EXPECT_EQ(v.aantalRegios, 627);
    std::vector<Rij> jaren;
    for (const Voortgang::Jaar& j : v.jaren) jaren.push_back(rij(j));
    ASSERT_EQ(jaren.size(), 17u); // 2008 to 2024
    EXPECT_EQ(jaren[0], Rij(2008, 3, 3, 2, 2, 2));
    EXPECT_EQ(jaren[1], Rij(2009, 0, 0, 0, 0, 2));
    EXPECT_EQ(jaren[2], Rij(2010, 4, 3, 2, 1, 3));
    EXPECT_EQ(jaren[8], Rij(2016, 1, 1, 0, 0, 3));
    EXPECT_EQ(jaren[16], Rij(2024, 2, 2, 2, 1, 4));
    // Four regions hold yearless finds, three not visited by a dated one; so far is then all.
    ASSERT_TRUE(v.zonderJaar);
    EXPECT_EQ(rij(*v.zonderJaar), Rij(0, 4, 4, 4, 3, 7));

    // Before its time the clock gives only the years of the year lists their own slot.
    const Voortgang vroeg = Voortgang::van(*test::overzicht(g, {2008, 2016, 2024}, 2015), nederlandseRegios());
    EXPECT_EQ(rij(vroeg.jaren.back()), Rij(2010, 4, 3, 2, 1, 3));
    EXPECT_EQ(rij(*vroeg.zonderJaar), Rij(0, 7, 7, 5, 4, 7));
    // Nothing found: no years, no line without a year.
    const Voortgang niets = Voortgang::van(*test::overzicht(test::Gpx(), {2008, 2016, 2024}), nederlandseRegios());
    EXPECT_TRUE(niets.jaren.empty() && !niets.zonderJaar);
}

// A home on the line between cells lies in the one cell a find there would: one region "here".
TEST_F(KaartenTest, AHomeOnACellsEdgeIsInOneRegionOnly) {
    const std::vector<Regio> regios = Regio::alle(gevonden, nederlandseRegios());
    for (const Coordinaat thuis : {Coordinaat{52.1, 5.1}, Coordinaat{52.0, 5.0}, Coordinaat{52.15, 5.12}}) {
        const std::vector<Regioafstand> lijst = Regioafstand::nietBezocht(regios, thuis, 4);
        const Vak vak = vakVanCoordinaat(thuis.breedte, thuis.lengte);
        ASSERT_FALSE(lijst.empty());
        EXPECT_TRUE(lijst[0].binnen && lijst[0].rij == vak.rij && lijst[0].kolom == vak.kolom)
            << thuis.breedte << " " << thuis.lengte;
        EXPECT_EQ(std::count_if(lijst.begin(), lijst.end(), [](const Regioafstand& a) { return a.binnen; }), 1);
    }
}

} // namespace
} // namespace kz
