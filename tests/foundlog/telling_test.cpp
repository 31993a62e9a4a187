// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/telling.h"
#include "support/kern.h"

namespace kz {
namespace {

using Soort = Waarschuwing::Soort;

Waypoint vondst(double breedte, double lengte, int jaar, int isnl = 1) {
    return Waypoint{vakVanCoordinaat(breedte, lengte), int16_t(jaar), int16_t(isnl)};
}

TEST(Telling, WhatIsCountedWhereAndWhatIsWarned) {
    std::vector<Waarschuwing> meldingen;
    Telling telling(nederlandseRegios(), [&](const Waarschuwing& w) { meldingen.push_back(w); });
    for (const Waypoint& w : {
             vondst(52.37, 4.89, 2009),    // Dutch, cell (523, 58) of the mask
             vondst(52.37, 4.89, 2009, 0), // another country: only totaal
             vondst(60, 20, 2009, 0),      // another country outside the grid: no warning
             vondst(52.37, 4.89, 2009, 2), // only the value 1 names the Netherlands
             vondst(52.37, 4.89, 0),       // no found date: nothing
             vondst(52.37, 4.89, -5),      // a negative year is no find
             vondst(52.05, 5.05, 2001), vondst(52.05, 5.05, 2015), // first and last year of the lists, (520, 60)
             vondst(53.45, 3.36, 2009),    // (534, 40) outside the mask: counted, and warned
             vondst(50.65, 5.7, 2009),     // row 506, outside the grid
             vondst(53.45, 3.36, 2000), vondst(53.45, 3.36, 2016), // no year slot: totaalslot only, no warning
             vondst(0, 0, 2010),           // unreadable coordinate
             vondst(53.41, 3.4, 2010),     // (534, 40) again, each find warns
         })
        telling.tel(w);

    EXPECT_EQ(telling.totaal, 12);
    EXPECT_EQ(telling.nltotaal, 9);
    const Gevonden& g = telling.gevonden;
    EXPECT_EQ((std::array{g(2009, 523, 58), g(2000, 523, 58), g(2001, 520, 60), g(2015, 520, 60), g(2000, 520, 60)}),
              (std::array<int32_t, 5>{1, 1, 1, 1, 2}));
    for (int j = totaalslot; j <= laatsteJaar; ++j)
        EXPECT_EQ(g(j, 534, 40), j == 2000 ? 4 : int(j == 2009 || j == 2010)) << j;

    // One warning per find, in order, with the coordinate as it was read (to six decimals).
    std::string gemeld;
    for (const Waarschuwing& w : meldingen)
        gemeld += (w.soort == Soort::Fake ? "Fake " : "Verdwaald ") + std::to_string(w.breedte) + ' ' +
                  std::to_string(w.lengte) + "; ";
    EXPECT_EQ(gemeld, "Fake 53.450000 3.360000; Verdwaald 50.650000 5.700000; Verdwaald 0.000000 0.000000; "
                      "Fake 53.410000 3.400000; ");
}

// Years after 2015 get slots up to the latest found, the current year and 2100 at most; 2000
// and day-first dates none. Fakes warn in the lists' years only.
TEST(Telling, YearSlotsAfter2015UpToTheCurrentYear) {
    int meldingen = 0;
    Telling t(nederlandseRegios(), [&](const Waarschuwing&) { ++meldingen; }, 2026);
    for (const Waypoint& w : {vondst(52.37, 4.89, 2015), vondst(52.37, 4.89, 2024), vondst(52.37, 4.89, 2024),
                              vondst(52.37, 4.89, 2027), vondst(52.37, 4.89, 2000), vondst(52.37, 4.89, 15),
                              vondst(53.45, 3.36, 2020), vondst(50.85, 4.35, 2025, 0), vondst(50.65, 5.7, 2018),
                              vondst(53.45, 3.36, 2015)})
        t.tel(w);
    const Gevonden& g = t.gevonden;
    EXPECT_EQ(g.laatsteSlot(), 2024);
    EXPECT_EQ((std::array{g(2024, 523, 58), g(2000, 523, 58), g(2015, 523, 58), g(2025, 523, 58), g(2027, 523, 58),
                          g(2020, 534, 40), g(2000, 534, 40)}),
              (std::array<int32_t, 7>{2, 6, 1, 0, 0, 1, 2}));
    EXPECT_EQ(meldingen, 2); // the find south of the grid, the fake of 2015
    EXPECT_EQ(t.perJaar.totaal.size(), 25u); // 2001..2025, the last year's a Belgian find (the counts: kaarten_test)

    // A wrong clock is bounded.
    Telling ver(nederlandseRegios(), {}, 30000);
    ver.tel(vondst(52.37, 4.89, 2100));
    ver.tel(vondst(52.37, 4.89, 30000));
    EXPECT_EQ(std::tuple(ver.gevonden.laatsteSlot(), ver.gevonden(2100, 523, 58), ver.perJaar.totaalZonderJaar),
              std::tuple(2100, 1, 1));
}

} // namespace
} // namespace kz
