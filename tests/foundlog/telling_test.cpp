// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "foundlog/telling.h"

namespace kz {
namespace {

using Soort = Waarschuwing::Soort;

Waypoint vondst(double breedte, double lengte, int jaar, int isnl = 1) {
    return Waypoint{vakVanCoordinaat(breedte, lengte), int16_t(jaar), int16_t(isnl)};
}

TEST(Telling, WhatIsCountedWhereAndWhatIsWarned) {
    NlMasker nl;
    leesnl(nl);
    std::vector<Waarschuwing> meldingen;
    Telling telling(nl, [&](const Waarschuwing& w) { meldingen.push_back(w); });
    // The first find 40000 times over: no counter stops at 16 bits.
    for (int i = 1; i < 40000; ++i) telling.tel(vondst(52.37, 4.89, 2009));
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

    EXPECT_EQ(telling.totaal, 40011);
    EXPECT_EQ(telling.nltotaal, 40008);
    const Gevonden& g = telling.gevonden;
    EXPECT_EQ((std::array{g(2009, 523, 58), g(2000, 523, 58), g(2001, 520, 60), g(2015, 520, 60), g(2000, 520, 60)}),
              (std::array<int32_t, 5>{40000, 40000, 1, 1, 2}));
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

} // namespace
} // namespace kz
