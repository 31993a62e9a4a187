#include <gtest/gtest.h>

#include <string>

#include "grid/vaktekst.h"

namespace kz {
namespace {

TEST(Vaktekst, BandenVanBekendeVakken) {
    EXPECT_EQ(bandTekst(523, 58, ","), "52,3\u00B0 \u2013 52,4\u00B0 N, 4\u00B0 50' \u2013 4\u00B0 55' O");
    EXPECT_EQ(bandTekst(534, 86, ","), "53,4\u00B0 \u2013 53,5\u00B0 N, 7\u00B0 10' \u2013 7\u00B0 15' O");
    // Bands that end on a whole degree, and the separator of another locale.
    EXPECT_EQ(bandTekst(509, 47, "."), "50.9\u00B0 \u2013 51.0\u00B0 N, 3\u00B0 55' \u2013 4\u00B0 00' O");
    EXPECT_EQ(bandTekst(510, 48, ","), "51,0\u00B0 \u2013 51,1\u00B0 N, 4\u00B0 00' \u2013 4\u00B0 05' O");
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

} // namespace
} // namespace kz
