// The benchmarks' export generator: the scanner reads back exactly what the generator's
// summary says it wrote, and a seed always gives the same file.
#include "gpxgen.h"
#include "grid/nlmasker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "foundlog/gpxbestand.h"
#include "foundlog/scanner.h"
#include "grid/grid.h"

namespace {

using kz::gpxgen::Samenvatting;

TEST(Gpxgen, ScannerLeestDeSamenvattingTerugEnHetZaadBepaaltHetBestand) {
    kz::gpxgen::Opties o{.zaad = 9, .vondsten = 300, .zeevondsten = 2, .buitenRaster = 3};
    const std::string pad =
        std::filesystem::temp_directory_path() / ("gpxgen_test_" + std::to_string(::getpid()) + ".gpx");
    Samenvatting s;
    ASSERT_FALSE(kz::gpxgen::schrijfBestand(pad, o, &s));
    std::ifstream in(pad, std::ios::binary);
    const std::string inhoud(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(kz::gpxgen::genereer(o), inhoud);
    o.zaad = 10;
    EXPECT_NE(kz::gpxgen::genereer(o), inhoud);

    kz::NlMasker nl;
    kz::leesnl(nl);
    Samenvatting gelezen;
    kz::GpxBestand bestand(pad);
    ASSERT_TRUE(bestand.open());
    ASSERT_TRUE(bestand.scan([&](const kz::Waypoint& w) {
        ++gelezen.vondsten;
        if (!w.isnl) return;
        ++gelezen.nederland;
        gelezen.nlPerJaar.at(std::size_t(w.jaargev - Samenvatting::eersteJaar))++;
        if (!kz::inRaster(w.vak.rij, w.vak.kolom)) {
            ++gelezen.buitenRaster;
            return;
        }
        gelezen.nlPerVak[std::size_t(kz::vakindex(w.vak.rij, w.vak.kolom))]++;
        if (!nl(w.vak.rij, w.vak.kolom)) ++gelezen.zeevondsten;
    }));
    std::filesystem::remove(pad);
    EXPECT_EQ(inhoud.size(), s.bytes);
    EXPECT_EQ(std::size_t(std::count(inhoud.begin(), inhoud.end(), '\n')), s.regels);
    EXPECT_EQ(gelezen.vondsten, 300u);
    EXPECT_EQ(gelezen.vondsten, s.vondsten);
    EXPECT_EQ(gelezen.nederland, s.nederland);
    EXPECT_EQ(gelezen.nlPerJaar, s.nlPerJaar);
    EXPECT_EQ(gelezen.nlPerVak, s.nlPerVak);
    // The only Dutch finds where the overview warns are the ones asked for.
    EXPECT_EQ(gelezen.zeevondsten, 2u);
    EXPECT_EQ(gelezen.buitenRaster, 3u);
}

} // namespace
