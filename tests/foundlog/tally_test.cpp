#include <gtest/gtest.h>

#include <vector>

#include "foundlog/tally.h"

namespace kz {
namespace {

class TallyTest : public ::testing::Test {
protected:
    TallyTest() { leesnl(nl); }

    Telling maak(const std::string& decimaalteken = ",") {
        return Telling(nl, [this](const Waarschuwing& w) { meldingen.push_back(w); }, decimaalteken);
    }
    static Waypoint vondst(double breedte, double lengte, int jaar, int isnl = 1) {
        Waypoint w;
        w.vak = vakVanCoordinaat(breedte, lengte);
        w.jaargev = int16_t(jaar);
        w.isnl = int16_t(isnl);
        return w;
    }

    NlMasker nl;
    std::vector<Waarschuwing> meldingen;
};

TEST_F(TallyTest, DutchFindInTheMaskCountsInYearAndTotalSlot) {
    Telling t = maak();
    t.tel(vondst(52.37, 4.89, 2009));
    EXPECT_EQ(t.totaal, 1);
    EXPECT_EQ(t.nltotaal, 1);
    EXPECT_EQ(t.gevonden(2009, 523, 58), 1);
    EXPECT_EQ(t.gevonden(totaalslot, 523, 58), 1);
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(TallyTest, ForeignFindsAndFindsWithoutYearCountOnlyWhereTheyShould) {
    Telling t = maak();
    t.tel(vondst(52.37, 4.89, 2009, 0)); // another country, inside the grid
    t.tel(vondst(50.85, 4.35, 2009, 0)); // another country, outside
    t.tel(vondst(52.37, 4.89, 0));       // Dutch, no found date
    t.tel(vondst(52.37, 4.89, -5));      // negative year: not a find
    t.tel(vondst(52.37, 4.89, -32768));
    t.tel(vondst(52.37, 4.89, 2009, 2)); // only the value 1 means Dutch
    EXPECT_EQ(t.totaal, 3);
    EXPECT_EQ(t.nltotaal, 0);
    EXPECT_EQ(t.gevonden(totaalslot, 523, 58), 0);
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(TallyTest, FindInAFakeCellIsCountedAndWarnedEachTime) {
    Telling t = maak();
    for (int i = 0; i < 3; ++i) t.tel(vondst(53.45, 3.36, 2009));
    EXPECT_EQ(t.totaal, 3);
    EXPECT_EQ(t.nltotaal, 3);
    EXPECT_EQ(t.gevonden(2009, 534, 40), 3);
    EXPECT_EQ(t.gevonden(totaalslot, 534, 40), 3);
    ASSERT_EQ(meldingen.size(), 3u);
    EXPECT_EQ(meldingen[0].titel, "Fake?");
    EXPECT_EQ(meldingen[0].tekst,
              "Een cache met de coordinaten: N53,45  E3,36 ligt in een 'fake'-gebied.\r\n"
              "Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in dit gebied wel een cache "
              "gevonden is.");
}

TEST_F(TallyTest, YearsWithoutASlotCountOnlyInTheTotalSlotAndNeverWarnFake) {
    Telling t = maak();
    t.tel(vondst(53.45, 3.36, 2000));
    t.tel(vondst(53.45, 3.36, 2016));
    t.tel(vondst(53.45, 3.36, 32767));
    t.tel(vondst(53.45, 3.36, 15)); // a day read as a year
    EXPECT_EQ(t.totaal, 4);
    EXPECT_EQ(t.nltotaal, 4);
    EXPECT_EQ(t.gevonden(totaalslot, 534, 40), 4);
    for (int j = eersteJaar; j <= laatsteJaar; ++j) EXPECT_EQ(t.gevonden(j, 534, 40), 0);
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(TallyTest, DutchFindOutsideTheGridWarnsAndCountsNowhereInTheGrid) {
    for (const char* sep : {",", "."}) {
        meldingen.clear();
        Telling t = maak(sep);
        t.tel(vondst(50.65, 5.7, 2009));
        t.tel(vondst(0, 0, 2009)); // unreadable coordinate
        EXPECT_EQ(t.totaal, 2);
        EXPECT_EQ(t.nltotaal, 2);
        ASSERT_EQ(meldingen.size(), 2u);
        EXPECT_EQ(meldingen[0].titel, "Verdwaald?");
        const std::string verwacht = std::string("Een cache met de coordinaten: N50") + sep + "65  E5" + sep +
                                     "7 ligt buiten het gedefinieerde gebied voor Nederland.\r\n"
                                     "Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in dit "
                                     "gebied wel een Nederlandse cache gevonden is.";
        EXPECT_EQ(meldingen[0].tekst, verwacht);
        EXPECT_EQ(meldingen[1].tekst.rfind("Een cache met de coordinaten: N0  E0 ligt buiten", 0), 0u);
    }
}

TEST_F(TallyTest, CountsGoBeyondSixteenBits) {
    Telling t = maak();
    const Waypoint w = vondst(52.37, 4.89, 2009);
    for (int i = 0; i < 40000; ++i) t.tel(w);
    EXPECT_EQ(t.totaal, 40000);
    EXPECT_EQ(t.nltotaal, 40000);
    EXPECT_EQ(t.gevonden(2009, 523, 58), 40000);
    EXPECT_EQ(t.gevonden(totaalslot, 523, 58), 40000);
}

TEST(AlgemeneNotatie, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(algemeneNotatie(523.7 / 10, ","), "52,37");
    EXPECT_EQ(algemeneNotatie(4.89 * 12 / 12, "."), "4.89");
    EXPECT_EQ(algemeneNotatie(52.0, ","), "52");
    EXPECT_EQ(algemeneNotatie(-0.5, ","), "-0,5");
    EXPECT_EQ(algemeneNotatie(0.0, ","), "0");
    EXPECT_EQ(algemeneNotatie(-0.0, ","), "0");
    EXPECT_EQ(algemeneNotatie(1.0 / 3.0, ","), "0,333333333333333");
    EXPECT_EQ(algemeneNotatie(123456789012345.0, ","), "123456789012345");
    EXPECT_EQ(algemeneNotatie(1e20, ","), "1E+20");
    EXPECT_EQ(algemeneNotatie(1.5e-7, ","), "1,5E-07");
    EXPECT_EQ(algemeneNotatie(3276.7, ","), "3276,7");
}

} // namespace
} // namespace kz
