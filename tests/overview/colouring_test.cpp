#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "overview/colouring.h"

namespace kz {
namespace {

constexpr Kleur rood_ = rgb(255, 0, 0);
constexpr Kleur groen_ = rgb(0, 255, 0);
constexpr Kleur wit_ = rgb(255, 255, 255);
constexpr Kleur blauw_ = rgb(0, 0, 255);

struct Cel {
    int rij, kolom;
};

class Kleuring : public ::testing::Test {
protected:
    void SetUp() override {
        leesnl(nl);
        for (int i = 0; i < aantalVakken; ++i) {
            const Cel c{rijVanIndex(i), kolomVanIndex(i)};
            (nl(c.rij, c.kolom) ? binnen : buiten).push_back(c);
        }
    }

    // A Dutch find as the tally records it: its year slot (when it has one) and the
    // all-years slot.
    void vondst(Cel c, int jaar, int aantal = 1) {
        for (int i = 0; i < aantal; ++i) {
            if (jaar >= eersteJaar && jaar <= laatsteJaar) gevonden->telOp(jaar, c.rij, c.kolom);
            gevonden->telOp(totaalslot, c.rij, c.kolom);
        }
    }

    Kaarten kleur(std::array<int, 3> jaren, bool schakering) { return kleurKaarten(*gevonden, nl, jaren, schakering); }

    static Kleur op(const Kaarten& k, int kaart, Cel c) { return k.kleur[kaart][vakindex(c.rij, c.kolom)]; }

    NlMasker nl;
    std::unique_ptr<Gevonden> gevonden = std::make_unique<Gevonden>();
    std::vector<Cel> binnen, buiten;
};

TEST_F(Kleuring, CountClassesWithShadingOn) {
    const int aantallen[] = {1, 2, 3, 4, 6, 7, 10, 11, 15, 16, 250};
    const Kleur verwacht[] = {rgb(128, 255, 128), rgb(0, 255, 0), rgb(0, 255, 0), rgb(0, 192, 0),
                              rgb(0, 192, 0),     rgb(0, 128, 0), rgb(0, 128, 0), rgb(0, 64, 0),
                              rgb(0, 64, 0),      rgb(0, 0, 0),   rgb(0, 0, 0)};
    for (int i = 0; i < 11; ++i) vondst(binnen[static_cast<size_t>(i) * 40], 2010, aantallen[i]);
    // The year map shades by the year's own count, not by the total.
    vondst(binnen[500], 2005, 4);
    vondst(binnen[500], 2006, 20);

    const Kaarten k = kleur({2005, 2006, 2010}, true);
    for (int i = 0; i < 11; ++i) {
        const Cel c = binnen[static_cast<size_t>(i) * 40];
        EXPECT_EQ(op(k, 0, c), verwacht[i]) << "count " << aantallen[i];
        EXPECT_EQ(op(k, 3, c), verwacht[i]) << "count " << aantallen[i];
        EXPECT_EQ(op(k, 1, c), rood_);
    }
    EXPECT_EQ(op(k, 0, binnen[500]), rgb(0, 0, 0));
    EXPECT_EQ(op(k, 1, binnen[500]), rgb(0, 192, 0));
    EXPECT_EQ(op(k, 2, binnen[500]), rgb(0, 0, 0));
    EXPECT_EQ(k.bezocht, 12);
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{1, 1, 11}));
}

TEST_F(Kleuring, ShadingOffColoursEveryVisitedCellAlike) {
    vondst(binnen[10], 2004, 1);
    vondst(binnen[20], 2004, 40);
    for (bool schakering : {false, true}) {
        const Kaarten k = kleur({2004, 2004, 2004}, schakering);
        for (int kaart = 0; kaart < 4; ++kaart) {
            EXPECT_EQ(op(k, kaart, binnen[10]), schakering ? rgb(128, 255, 128) : groen_);
            EXPECT_EQ(op(k, kaart, binnen[20]), schakering ? rgb(0, 0, 0) : groen_);
        }
    }
}

TEST_F(Kleuring, FindsOutsideTheMaskAreBlueOnlyWhereTheyCount) {
    const Cel zee = buiten[0];
    vondst(zee, 2007, 3);
    vondst(zee, 2000);
    for (bool schakering : {false, true}) {
        const Kaarten k = kleur({2006, 2007, 2008}, schakering);
        EXPECT_EQ(op(k, 0, zee), blauw_);
        EXPECT_EQ(op(k, 1, zee), wit_);
        EXPECT_EQ(op(k, 2, zee), blauw_);
        EXPECT_EQ(op(k, 3, zee), wit_);
        EXPECT_EQ(k.fakeregio, 1);
        EXPECT_EQ(k.zondernl, 688);
        EXPECT_EQ(k.bezocht, 0);
        EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{0, 0, 0}));
        EXPECT_EQ(k.nieuw, (std::array<int32_t, 3>{0, 0, 0}));
    }
}

TEST_F(Kleuring, NoDutchFindsGivesRedAndWhiteOnly) {
    const Kaarten k = kleur({2001, 2008, 2015}, true);
    for (int kaart = 0; kaart < 4; ++kaart) {
        int rood = 0, wit = 0;
        for (Kleur c : k.kleur[kaart]) {
            rood += c == rood_;
            wit += c == wit_;
        }
        EXPECT_EQ(rood, 627);
        EXPECT_EQ(wit, 689);
    }
    EXPECT_EQ(k.nietbezocht, 627);
    EXPECT_EQ(k.bezocht, 0);
    EXPECT_EQ(k.zondernl, 689);
    EXPECT_EQ(k.fakeregio, 0);
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(k.nieuw, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(Kleuring, FindsWithoutAYearSlotCountOnTheMainMapOnly) {
    vondst(binnen[0], 2000, 2);
    vondst(binnen[1], 2016);
    vondst(binnen[1], 2020);
    const Kaarten k = kleur({2001, 2008, 2015}, true);
    EXPECT_EQ(op(k, 0, binnen[0]), rgb(0, 255, 0));
    EXPECT_EQ(op(k, 0, binnen[1]), rgb(0, 255, 0));
    for (int kaart = 1; kaart < 4; ++kaart) {
        EXPECT_EQ(op(k, kaart, binnen[0]), rood_);
        EXPECT_EQ(op(k, kaart, binnen[1]), rood_);
    }
    EXPECT_EQ(k.bezocht, 2);
    EXPECT_EQ(k.nietbezocht, 625);
    EXPECT_EQ(k.jrvak, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(Kleuring, NewRegionsLookOnlyAtEarlierYearSlots) {
    // The first year of the lists: everything found in it is new.
    vondst(binnen[0], 2001);
    vondst(binnen[1], 2001, 5);
    vondst(binnen[1], 2009);
    // Found in 2003 and again in 2005.
    vondst(binnen[2], 2003);
    vondst(binnen[2], 2005);
    // Found in 2000 (no year slot) and in 2004: new in 2004.
    vondst(binnen[3], 2000);
    vondst(binnen[3], 2004);
    // Found in 2004 and 2005 only: new in 2004, not in 2005.
    vondst(binnen[4], 2005);
    vondst(binnen[4], 2004);

    Kaarten k = kleur({2001, 2003, 2005}, false);
    EXPECT_EQ(k.jrvak[0], 2);
    EXPECT_EQ(k.nieuw[0], 2);
    EXPECT_EQ(k.jrvak[1], 1);
    EXPECT_EQ(k.nieuw[1], 1);
    EXPECT_EQ(k.jrvak[2], 2);
    EXPECT_EQ(k.nieuw[2], 0);

    k = kleur({2004, 2009, 2015}, false);
    EXPECT_EQ(k.jrvak[0], 2);
    EXPECT_EQ(k.nieuw[0], 2);
    EXPECT_EQ(k.jrvak[1], 1);
    EXPECT_EQ(k.nieuw[1], 0);
    EXPECT_EQ(k.jrvak[2], 0);
    EXPECT_EQ(k.bezocht, 5);
}

TEST_F(Kleuring, CountersCoverEveryCellOnceAndEqualYearsGiveEqualMaps) {
    std::mt19937 rng(11);
    for (int i = 0; i < 3000; ++i) {
        const int index = static_cast<int>(rng() % aantalVakken);
        vondst({rijVanIndex(index), kolomVanIndex(index)}, 2000 + static_cast<int>(rng() % 17));
    }
    for (bool schakering : {false, true}) {
        const Kaarten k = kleur({2003, 2009, 2014}, schakering);
        EXPECT_EQ(k.nietbezocht + k.bezocht, 627);
        EXPECT_EQ(k.zondernl + k.fakeregio, 689);
        EXPECT_GT(k.bezocht, 0);
        EXPECT_GT(k.fakeregio, 0);
        for (size_t m = 0; m < 3; ++m) {
            EXPECT_LE(k.nieuw[m], k.jrvak[m]);
            EXPECT_GT(k.jrvak[m], 0);
        }
        // The visited cells are exactly the main-map cells that are not red, white or blue.
        int groenig = 0;
        for (Kleur c : k.kleur[0]) groenig += c != rood_ && c != wit_ && c != blauw_;
        EXPECT_EQ(groenig, k.bezocht);

        const Kaarten gelijk = kleur({2008, 2008, 2008}, schakering);
        EXPECT_EQ(gelijk.kleur[1], gelijk.kleur[2]);
        EXPECT_EQ(gelijk.kleur[2], gelijk.kleur[3]);
        EXPECT_EQ(gelijk.jrvak[0], gelijk.jrvak[2]);
        EXPECT_EQ(gelijk.nieuw[0], gelijk.nieuw[2]);
        EXPECT_EQ(gelijk.kleur[0], k.kleur[0]);
    }
}

TEST_F(Kleuring, CellsLandOnTheirOwnShape) {
    // Cell (520, 60) is shape 678 in every map; the corners are 0 and 1315.
    ASSERT_TRUE(nl(520, 60));
    vondst({520, 60}, 2010);
    const Kaarten k = kleur({2010, 2011, 2012}, false);
    EXPECT_EQ(k.kleur[0][678], groen_);
    EXPECT_EQ(k.kleur[1][678], groen_);
    EXPECT_EQ(k.kleur[2][678], rood_);
    EXPECT_EQ(k.kleur[0][677], nl(520, 59) ? rood_ : wit_);
    EXPECT_EQ(k.kleur[0][0], wit_);    // (534, 40), the North Sea
    EXPECT_EQ(k.kleur[0][1315], wit_); // (507, 86), Germany
}

} // namespace
} // namespace kz
