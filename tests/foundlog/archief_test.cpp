// SPDX-License-Identifier: GPL-3.0-or-later
// Found logs inside archives: a pocket query's ZIP, gzip, and every way an archive is wrong.
#include <gtest/gtest.h>

#include <algorithm>
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
                     {"map/._4242424-wpts.gpx", "x"}}}.bytes(),
          // Its metadata beside the file itself, outside __MACOSX/, is no second found log.
          test::Zip{{{"._1234567.gpx", std::string("\0\5\26\7", 4) + "Mac OS X"}, {"1234567.gpx", gpx}}}.bytes()}) {
        const Gelezen z = lees(bytes);
        EXPECT_TRUE(z.geopend && z.gescand) << z.fout;
        EXPECT_TRUE(test::zelfde(z.waypoints, kaal));
    }
    // Text that merely begins like an archive is read as text.
    EXPECT_TRUE(lees("PK").gescand);
}

// A gzip file's CRC-32 and length are checked; a ZIP packed with gzip is read as that ZIP.
TEST(Archief, GzipWordtGecontroleerdEnEenZipErinGelezen) {
    using S = Archieffout::Soort;
    const std::string gz = test::Zip{{{"v.gpx", gpx}}}.gzip();
    const auto veranderd = [&gz](std::size_t vanEind) {
        std::string b = gz;
        b[b.size() - vanEind] ^= 1;
        return b;
    };
    const auto gzVan = [](const test::Zip& zip) { return test::Zip{{{"pq.zip", zip.bytes()}}}.gzip(); };
    const struct {
        const char* wat;
        std::string bytes;
        S soort;              // geen: read
        std::size_t keerGpx;  // with soort geen: gpx's waypoints so many times
    } gevallen[] = {
        {"CRC-32", veranderd(8), S::beschadigd, 0},
        {"lengte", veranderd(1), S::beschadigd, 0},
        {"afgekapt", gz.substr(0, gz.size() - 3), S::beschadigd, 0},
        {"kop afgekapt", gz.substr(0, 3), S::beschadigd, 0},
        {"twee leden", gz + gz, S::geen, 2},
        {"nullen erachter", gz + std::string(100, '\0'), S::geen, 1},
        {"zip", gzVan(test::Zip{{{"1-wpts.gpx", wpts}, {"._1.gpx", "x"}, {"1.gpx", gpx}, {"foto.jpg", wpts}}}), S::geen, 1},
        {"zip zonder gpx", gzVan(test::Zip{{{"1-wpts.gpx", wpts}}}), S::geenGpx, 0},
        {"zip met twee", gzVan(test::Zip{{{"a.gpx", gpx}, {"1", ""}, {"b.gpx", gpx}, {"2", ""}}}), S::meerdereGpx, 0},
    };
    for (const auto& g : gevallen) {
        const Gelezen z = lees(g.bytes);
        EXPECT_EQ(z.archief.soort, g.soort) << g.wat;
        if (g.soort != S::geen) {
            EXPECT_TRUE(!(z.geopend && z.gescand) && z.fout == EBADMSG) << g.wat;
            continue;
        }
        EXPECT_TRUE(z.geopend && z.gescand) << g.wat << ": " << z.fout;
        std::string tekst;
        for (std::size_t k = 0; k < g.keerGpx; ++k) tekst += gpx;
        EXPECT_TRUE(test::zelfde(z.waypoints, test::referentie(tekst))) << g.wat;
    }
    // What a ZIP packed with gzip holds is counted to its end.
    const Gelezen twee = lees(gevallen[8].bytes);
    EXPECT_EQ(twee.archief.inhoud, (std::vector<std::string>{"a.gpx", "1", "b.gpx", "2"}));
}

// The progress and the stop follow the file's own bytes. The place only goes up and ends at
// the file's size, also where the table of contents at a ZIP's end is looked up first; a
// stop asked for while that is read ends the opening there.
TEST(Archief, VoortgangEnStoppenVolgenDeBytesVanHetBestand) {
    const std::string foto(std::size_t{4} << 20, 'x');
    for (const bool ervoor : {true, false}) {
        test::Zip zip{{}, true};
        if (ervoor) zip.bestanden.emplace_back("foto.jpg", foto);
        zip.bestanden.emplace_back("1234567.gpx", gpx);
        if (!ervoor) zip.bestanden.emplace_back("foto.jpg", foto);
        const std::string bytes = zip.bytes();
        for (const bool stop : {false, true}) {
            auto bron = std::make_unique<test::GeheugenBron>(bytes, std::vector<std::size_t>{1000, 7, 65536});
            const test::GeheugenBron& b = *bron;
            std::size_t gelezen = 0;
            bron->gelezen = &gelezen;
            GpxBestand bestand(std::move(bron), true);
            std::vector<std::uint64_t> plekken;
            bestand.zetVoortgang([&](std::uint64_t plek, std::uint64_t grootte) {
                EXPECT_EQ(grootte, bytes.size());
                plekken.push_back(plek);
                return !stop || b.positie() < bytes.size() - 4096; // not in the table of contents
            });
            std::vector<Waypoint> uit;
            const bool gelukt = bestand.open() && bestand.scan([&](const Waypoint& w) { uit.push_back(w); });
            EXPECT_TRUE(std::ranges::is_sorted(plekken));
            if (stop) {
                EXPECT_TRUE(!gelukt && bestand.fout() == ECANCELED && uit.empty());
                EXPECT_LT(gelezen, std::size_t{1} << 20);
            } else {
                EXPECT_TRUE(gelukt && uit.size() == 2u) << bestand.fout();
                EXPECT_EQ(plekken.back(), bytes.size());
            }
        }
    }
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
