// SPDX-License-Identifier: GPL-3.0-or-later
// Found logs inside archives: a pocket query's ZIP, gzip, and every way an archive is wrong.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "foundlog/archiefbron.h"
#include "foundlog/gpxbestand.h"
#include "support/geheugenbron.h"
#include "support/gpx.h"
#include "support/referentie.h"
#include "support/zip.h"

namespace kz {
namespace {

struct Gelezen {
    bool geopend = false, gescand = false;
    int fout = 0;
    Archieffout archief;
    std::vector<Waypoint> waypoints;
};

Gelezen lees(std::string bytes, std::size_t foutBij = std::string::npos, std::size_t* gelezen = nullptr) {
    auto bron = std::make_unique<test::GeheugenBron>(std::move(bytes), std::vector<std::size_t>{1000, 7, 65536});
    bron->foutBij = foutBij;
    bron->gelezen = gelezen;
    Gelezen g;
    int fout = 0;
    std::unique_ptr<Bron> archief = Archiefbron::herken(std::move(bron), fout, g.archief);
    g.geopend = archief != nullptr;
    g.fout = fout;
    if (!archief) return g;
    GpxBestand bestand(std::move(archief));
    g.gescand = bestand.scan([&g](const Waypoint& w) { g.waypoints.push_back(w); });
    if (!g.gescand) {
        g.fout = bestand.fout();
        g.archief = bestand.archieffout();
    }
    return g;
}

const std::string gpx = test::Gpx().wpt("52.37", "4.89", 2008).wpt("50.85", "4.35", 2011, "Belgium").tekst();
// Extra waypoints that would count if they were read.
const std::string wpts = test::Gpx().wpt("51.5", "5.5", 2012).tekst();

TEST(Archief, EenPocketQueryLeestAlsHetKaleBestandEnDeWptsBlijvenErbuiten) {
    const std::vector<Waypoint> kaal = test::referentie(gpx);
    ASSERT_EQ(kaal.size(), 2u);
    // Deflated, stored, gzip; as the macOS Finder packs it, with its metadata beside every
    // file left aside.
    for (const std::string& bytes :
         {test::Zip{{{"1234567-wpts.gpx", wpts}, {"1234567.GPX", gpx}, {"LEESMIJ.txt", "x"}}}.bytes(),
          test::Zip{{{"1234567-wpts.gpx", wpts}, {"1234567.GPX", gpx}}, true}.bytes(), test::Zip{{{"v.gpx", gpx}}}.gzip(),
          test::Zip{{{"4242424.gpx", gpx}, {"__MACOSX/._4242424.gpx", std::string("\0\5\26\7", 4) + "Mac OS X"},
                     {"map/._4242424-wpts.gpx", "x"}}}.bytes()}) {
        const Gelezen z = lees(bytes);
        EXPECT_TRUE(z.geopend && z.gescand) << z.fout;
        EXPECT_TRUE(test::zelfde(z.waypoints, kaal));
    }
    // Text that merely begins like an archive is read as text.
    EXPECT_TRUE(lees("PK").gescand);
}

// A file beside the found log, however large, is passed over without reading its data.
TEST(Archief, EenGrootAnderBestandWordtNietGelezen) {
    std::string foto(std::size_t{24} << 20, '\0');
    for (std::size_t i = 0; i < foto.size(); i += 4096) foto[i] = char(i >> 12);
    for (const bool ervoor : {true, false}) {
        test::Zip zip{{}, true};
        if (ervoor) zip.bestanden.emplace_back("foto.jpg", foto);
        zip.bestanden.emplace_back("1234567.gpx", gpx);
        if (!ervoor) zip.bestanden.emplace_back("foto.jpg", foto);
        std::size_t gelezen = 0;
        const Gelezen g = lees(zip.bytes(), std::string::npos, &gelezen);
        EXPECT_TRUE(g.gescand);
        EXPECT_EQ(g.waypoints.size(), 2u);
        EXPECT_LT(gelezen, std::size_t{1} << 20) << (ervoor ? "ervoor" : "erna");
    }
}

TEST(Archief, ElkeFoutVanHetArchiefWordtGemeldMetWatHetBevat) {
    using S = Archieffout::Soort;
    // Only the extra waypoints, an archive in the archive, nothing at all.
    Gelezen g = lees(test::Zip{{{"1-wpts.gpx", wpts}, {"binnen.zip", test::Zip{{{"1.gpx", gpx}}}.bytes()}}}.bytes());
    EXPECT_TRUE(!g.geopend && g.fout == EBADMSG && g.archief.soort == S::geenGpx);
    EXPECT_EQ(g.archief.inhoud, (std::vector<std::string>{"1-wpts.gpx", "binnen.zip"}));
    EXPECT_EQ(lees(test::Zip{}.bytes()).archief.soort, S::geenGpx);
    g = lees(test::Zip{{{"__MACOSX/._1.gpx", "x"}, {"1-wpts.gpx", wpts}}}.bytes());
    EXPECT_TRUE(g.archief.soort == S::geenGpx && g.archief.inhoud == std::vector<std::string>{"1-wpts.gpx"});

    // Two found logs: refused from the table of contents, before anything is read,
    // naming the first few files and counting the rest.
    g = lees(test::Zip{{{"a.gpx", gpx}, {"a-wpts.gpx", wpts}, {"1", ""}, {"2", ""}, {"3", ""}, {"b.gpx", gpx}}}.bytes());
    EXPECT_TRUE(!g.geopend && g.waypoints.empty() && g.archief.soort == S::meerdereGpx && g.archief.aantal == 6);
    EXPECT_EQ(g.archief.inhoud, (std::vector<std::string>{"a.gpx", "a-wpts.gpx", "1", "2", "3"}));

    // A changed byte (the checksum no longer fits), a cut-off archive: damaged.
    std::string zip = test::Zip{{{"a.gpx", gpx}}, true}.bytes();
    zip[zip.find("52.37")] = '9';
    g = lees(zip);
    EXPECT_TRUE(!g.gescand && g.archief.soort == S::beschadigd);
    zip = test::Zip{{{"a.gpx", gpx + gpx + gpx}}}.bytes();
    g = lees(zip.substr(0, zip.size() / 2));
    EXPECT_TRUE(!(g.geopend && g.gescand) && g.archief.soort == S::beschadigd);

    // A read of the archive's own bytes that fails is a failed read, never success.
    g = lees(test::Zip{{{"a.gpx", gpx}}}.bytes(), 100);
    EXPECT_TRUE(!(g.geopend && g.gescand) && g.fout == EIO);

    // A password.
    const std::string versleuteld = test::Zip{{{"a.gpx", gpx}}, false, "geheim"}.bytes();
    if (versleuteld.empty()) GTEST_SKIP() << "libarchive kan hier geen versleutelde ZIP schrijven";
    g = lees(versleuteld);
    EXPECT_TRUE(!g.geopend && g.archief.soort == S::versleuteld);
}

} // namespace
} // namespace kz
