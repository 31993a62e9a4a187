#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "overview/colouring.h"

namespace kz {
namespace {

constexpr Kleur rood_ = rgb(255, 0, 0), groen_ = rgb(0, 255, 0), wit_ = rgb(255, 255, 255), blauw_ = rgb(0, 0, 255);
using Vier = std::array<Kleur, 4>;

// Cell i on the main map and on the three year maps.
Vier op(const Kaarten& k, int i) { return {k.kleur[0][i], k.kleur[1][i], k.kleur[2][i], k.kleur[3][i]}; }

class Kleuring : public ::testing::Test {
protected:
    void SetUp() override {
        leesnl(nl);
        for (int i = 0; i < aantalVakken; ++i) (nl(rijVanIndex(i), kolomVanIndex(i)) ? binnen : buiten).push_back(i);
    }
    // Dutch finds in cell i as the tally records them: the year slot (when the year has
    // one) and the all-years slot.
    void vondst(int i, int jaar, int aantal = 1) {
        for (int n = 0; n < aantal; ++n) {
            if (jaar >= eersteJaar && jaar <= laatsteJaar) gevonden->telOp(jaar, rijVanIndex(i), kolomVanIndex(i));
            gevonden->telOp(totaalslot, rijVanIndex(i), kolomVanIndex(i));
        }
    }
    Kaarten kleur(std::array<int, 3> jaren, bool schakering) { return kleurKaarten(*gevonden, nl, jaren, schakering); }

    NlMasker nl;
    std::unique_ptr<Gevonden> gevonden = std::make_unique<Gevonden>();
    std::vector<int> binnen, buiten; // cell indices inside and outside the mask
};

TEST_F(Kleuring, CountClassesOnEveryMapAndOneGreenWithoutShading) {
    const std::pair<int, Kleur> klassen[] = {{1, rgb(128, 255, 128)}, {2, rgb(0, 255, 0)},  {3, rgb(0, 255, 0)},
                                             {4, rgb(0, 192, 0)},     {6, rgb(0, 192, 0)},  {7, rgb(0, 128, 0)},
                                             {10, rgb(0, 128, 0)},    {11, rgb(0, 64, 0)},  {15, rgb(0, 64, 0)},
                                             {16, rgb(0, 0, 0)},      {250, rgb(0, 0, 0)}};
    for (int i = 0; i < 11; ++i) vondst(binnen[i * 40], 2010, klassen[i].first);
    // A year map shades by that year's own count, not by the total.
    vondst(binnen[500], 2005, 4);
    vondst(binnen[500], 2006, 20);
    for (bool schakering : {true, false}) {
        const Kaarten k = kleur({2005, 2006, 2010}, schakering);
        for (int i = 0; i < 11; ++i) {
            const Kleur verwacht = schakering ? klassen[i].second : groen_;
            EXPECT_EQ(op(k, binnen[i * 40]), (Vier{verwacht, rood_, rood_, verwacht})) << klassen[i].first;
        }
        const Kleur zwart = schakering ? rgb(0, 0, 0) : groen_;
        EXPECT_EQ(op(k, binnen[500]), (Vier{zwart, schakering ? rgb(0, 192, 0) : groen_, zwart, rood_}));
        EXPECT_EQ(k.bezocht, 12);
        EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{1, 1, 11}));
    }
}

TEST_F(Kleuring, OutsideTheMaskBlueWhereCountedAndYearsWithoutSlotOnTheMainMapOnly) {
    vondst(buiten[0], 2007, 3);
    vondst(buiten[0], 2000);
    vondst(binnen[0], 2000, 2);
    vondst(binnen[1], 2016);
    vondst(binnen[1], 2020);
    const Kaarten k = kleur({2006, 2007, 2008}, true);
    EXPECT_EQ(op(k, buiten[0]), (Vier{blauw_, wit_, blauw_, wit_}));
    for (int i : {binnen[0], binnen[1]}) EXPECT_EQ(op(k, i), (Vier{rgb(0, 255, 0), rood_, rood_, rood_}));
    EXPECT_EQ((std::array{k.nietbezocht, k.bezocht, k.zondernl, k.fakeregio}), (std::array{625, 2, 688, 1}));
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(k.nieuw, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(Kleuring, NewRegionsLookOnlyAtEarlierYearSlots) {
    // Cell 0 only in the first year of the lists, new in it; 1 then as well as in 2009, not
    // new in 2009; 2 in 2003 and 2005; 3 in 2000 (no year slot) and 2004, new in 2004;
    // 4 in 2005 and 2004, new in 2004 only.
    for (const auto& [i, jaar] : {std::pair{0, 2001}, {1, 2001}, {1, 2009}, {2, 2003}, {2, 2005}, {3, 2000}, {3, 2004},
                                  {4, 2005}, {4, 2004}})
        vondst(binnen[i], jaar);

    Kaarten k = kleur({2001, 2003, 2005}, false);
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{2, 1, 2}));
    EXPECT_EQ(k.nieuw, (std::array<int32_t, 3>{2, 1, 0}));
    k = kleur({2004, 2009, 2015}, false);
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{2, 1, 0}));
    EXPECT_EQ(k.nieuw, (std::array<int32_t, 3>{2, 0, 0}));
}

TEST_F(Kleuring, CountersCoverEveryCellOnceAndEqualYearsGiveEqualMaps) {
    std::mt19937 rng(11);
    for (int i = 0; i < 3000; ++i) vondst(static_cast<int>(rng() % aantalVakken), 2000 + static_cast<int>(rng() % 17));
    for (bool schakering : {false, true}) {
        const Kaarten k = kleur({2003, 2009, 2014}, schakering);
        EXPECT_EQ(k.nietbezocht + k.bezocht, 627);
        EXPECT_EQ(k.zondernl + k.fakeregio, 689);
        EXPECT_GT(k.bezocht * k.fakeregio, 0);
        for (size_t m = 0; m < 3; ++m) EXPECT_TRUE(k.jrvak[m] > 0 && k.nieuw[m] <= k.jrvak[m]) << m;
        // Each counter is the number of main-map cells of its colour; visited cells are the rest.
        auto tel = [&](Kleur c) { return int32_t(std::count(k.kleur[0].begin(), k.kleur[0].end(), c)); };
        EXPECT_EQ((std::array{tel(rood_), tel(wit_), tel(blauw_)}), (std::array{k.nietbezocht, k.zondernl, k.fakeregio}));

        const Kaarten gelijk = kleur({2008, 2008, 2008}, schakering);
        EXPECT_TRUE(gelijk.kleur[1] == gelijk.kleur[2] && gelijk.kleur[2] == gelijk.kleur[3]);
        EXPECT_EQ(gelijk.nieuw[0], gelijk.nieuw[2]);
        EXPECT_EQ(gelijk.kleur[0], k.kleur[0]);
    }

    // Cells land on their own shape: (520, 60) is shape 678; the corners 0 and 1315 lie
    // in the North Sea and in Germany.
    gevonden = std::make_unique<Gevonden>();
    ASSERT_TRUE(nl(520, 60));
    gevonden->telOp(totaalslot, 520, 60);
    gevonden->telOp(2010, 520, 60);
    const Kaarten k = kleur({2010, 2011, 2012}, false);
    EXPECT_EQ(op(k, 678), (Vier{groen_, groen_, rood_, rood_}));
    EXPECT_EQ(k.kleur[0][677], nl(520, 59) ? rood_ : wit_);
    EXPECT_EQ(k.kleur[0][0], wit_);
    EXPECT_EQ(k.kleur[0][1315], wit_);
}

} // namespace
} // namespace kz
