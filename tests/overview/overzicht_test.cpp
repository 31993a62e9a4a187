#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "overview/overzicht.h"
#include "support/gpx.h"

namespace kz {
namespace {

TEST(Aandeel, SinglePrecisionQuotientTimesHundred) {
    // 5 of 627 is 0.797448158 in double precision.
    EXPECT_EQ((std::array{aandeel(235, 392), aandeel(392, 235), aandeel(5, 622), aandeel(0, 627), aandeel(0, 0)}),
              (std::array{37.4800644f, 62.5199394f, 0.797448099f, 0.0f, 0.0f}));
}

TEST(SorteerJaren, AscendingWithRepeats) {
    // Every choice of three of these years, repeats included (2012, 2005, 2009 is n = 11).
    const int j[] = {2005, 2009, 2012};
    for (int n = 0; n < 27; ++n) {
        std::array<int, 3> p{j[n % 3], j[n / 3 % 3], j[n / 9]}, verwacht = p;
        std::sort(verwacht.begin(), verwacht.end());
        sorteerJaren(p);
        EXPECT_EQ(p, verwacht) << n;
    }
}

TEST(MaakOverzicht, FromAGpxFileToTheNumbers) {
    NlMasker nl;
    leesnl(nl);
    const int utrecht = vakindex(520, 60), zee = vakindex(534, 40);
    const auto pad = std::filesystem::temp_directory_path() / ("kz_overzicht_" + std::to_string(::getpid()) + ".gpx");
    test::Gpx().in(utrecht, 2015).in(utrecht, 2015).in(utrecht, 2009).in(zee, 2009).wpt("50.65", "5.7", 2009)
        .in(utrecht, 2009, "Belgium").in(utrecht, 0).in(zee, 2000).schrijf(pad);
    GpxBestand bestand(pad.string());
    ASSERT_TRUE(bestand.open());
    std::filesystem::remove(pad); // the open file stays readable

    std::vector<Waarschuwing> meldingen;
    const Waarschuwer verzamel = [&](const Waarschuwing& w) { meldingen.push_back(w); };
    const auto o = maakOverzicht(bestand, {2009, 2012, 2015}, false, nl, verzamel);
    ASSERT_TRUE(o);
    const Kaarten& k = o->kaarten;
    EXPECT_EQ(std::tuple(o->totaal, o->nltotaal, k.nietbezocht, k.bezocht, k.zondernl, k.fakeregio, k.jrvak, k.nieuw),
              std::tuple(7, 6, 626, 1, 688, 1, std::array{1, 0, 1}, std::array{1, 0, 0}));
    EXPECT_EQ(o->perc, (std::array{aandeel(626, 1), aandeel(1, 626)}));
    // Per map the finds of each cell; the 2015 finds on the main map and on the map of 2015.
    EXPECT_EQ((std::array{o->aantallen[0][utrecht], o->aantallen[1][utrecht], o->aantallen[2][utrecht],
                          o->aantallen[3][utrecht], o->aantallen[0][zee], o->aantallen[1][zee]}),
              (std::array<int32_t, 6>{3, 1, 0, 2, 2, 1}));

    ASSERT_EQ(meldingen.size(), 2u);
    EXPECT_TRUE(meldingen[0].soort == Waarschuwing::Soort::Fake && meldingen[1].soort == Waarschuwing::Soort::Verdwaald);
    EXPECT_DOUBLE_EQ(meldingen[1].breedte, 50.65);

    // A file that was never opened cannot be read: no overview and no warnings.
    GpxBestand dicht(pad.string());
    EXPECT_FALSE(maakOverzicht(dicht, {2009, 2012, 2015}, false, nl, verzamel));
    EXPECT_EQ(meldingen.size(), 2u);
}

} // namespace
} // namespace kz
