// SPDX-License-Identifier: GPL-3.0-or-later
// Found logs inside archives: a pocket query's ZIP, gzip, and every way an archive is wrong.
#include "support/kern.h"
#include "support/zip.h"

namespace kz {
namespace {

struct Gelezen {
    bool geopend = false, gescand = false;
    int fout = 0;
    Archieffout archief;
    std::vector<Waypoint> waypoints;
};

Gelezen lees(std::string bytes, std::size_t foutBij = std::string::npos) {
    auto bron = std::make_unique<test::GeheugenBron>(std::move(bytes), std::vector<std::size_t>{1000, 7, 65536});
    bron->foutBij = foutBij;
    GpxBestand bestand(std::move(bron), true);
    Gelezen g;
    g.geopend = bestand.open();
    g.gescand = g.geopend && bestand.scan([&g](const Waypoint& w) { g.waypoints.push_back(w); });
    g.fout = bestand.fout();
    g.archief = bestand.archieffout();
    return g;
}

const std::string gpx = test::Gpx().wpt("52.37", "4.89", 2008).wpt("50.85", "4.35", 2011, "Belgium").tekst();
const std::string wpts = test::Gpx().wpt("51.5", "5.5", 2012).tekst();

// A pocket query reads as the bare file, its "-wpts.gpx" (extra waypoints, never read) and
// macOS metadata aside; gzip is checked; each fault is said with what the archive holds.
TEST(Archief, WatEenArchiefBevatOfWaaromHetNietGelezenWordt) {
    using S = Archieffout::Soort;
    const std::string mac = std::string("\0\5\26\7", 4) + "Mac OS X";
    const std::string gz = test::Zip{{{"v.gpx", gpx}}}.gzip();
    const auto veranderd = [&gz](std::size_t vanEind) {
        std::string b = gz;
        b[b.size() - vanEind] ^= 1;
        return b;
    };
    const auto gzVan = [](const test::Zip& zip) { return test::Zip{{{"pq.zip", zip.bytes()}}}.gzip(); };
    const std::string groot = test::Zip{{{"a.gpx", gpx + gpx + gpx}}}.bytes();
    const struct {
        const char* wat;
        std::string bytes;
        S soort = S::geen;                 // geen: read, gpx's waypoints keerGpx times
        std::size_t keerGpx = 1;
        int fout = EBADMSG;                // with another soort, or a failed read
        std::vector<std::string> inhoud{}; // with geenGpx and meerdereGpx: the files named
        std::size_t aantal = 0;            // and counted
        std::size_t foutBij = std::string::npos;
    } gevallen[] = {
        {"deflated", test::Zip{{{"1234567-wpts.gpx", wpts}, {"1234567.GPX", gpx}, {"LEESMIJ.txt", "x"}}}.bytes()},
        {"macOS", test::Zip{{{"4242424.gpx", gpx}, {"__MACOSX/._4242424.gpx", mac}, {"map/._4242424-wpts.gpx", "x"}}}.bytes()},
        // Its metadata beside the file itself, outside __MACOSX/, is no second found log.
        {"macOS ernaast", test::Zip{{{"._1234567.gpx", mac}, {"1234567.gpx", gpx}}}.bytes()},
        {"alleen PK", "PK", S::geen, 0}, // text that merely begins like an archive
        {"gzip twee leden", gz + gz, S::geen, 2},
        {"gzip nullen erachter", gz + std::string(100, '\0')},
        {"gzip 1f erachter", gz + "\x1f"},
        {"gzip 1f 00 erachter", gz + std::string("\x1f\0\0\0", 4)},
        {"zip in gzip", gzVan(test::Zip{{{"1-wpts.gpx", wpts}, {"._1.gpx", "x"}, {"1.gpx", gpx}, {"foto.jpg", wpts}}})},
        {"CRC-32", veranderd(8), S::beschadigd},
        {"lengte", veranderd(1), S::beschadigd},
        {"gzip afgekapt", gz.substr(0, gz.size() - 3), S::beschadigd},
        {"kop afgekapt", gz.substr(0, 3), S::beschadigd},
        {"zip afgekapt", groot.substr(0, groot.size() / 2), S::beschadigd},
        // macOS metadata is not named among what it holds.
        {"zip zonder gpx in gzip", gzVan(test::Zip{{{"__MACOSX/._1.gpx", "x"}, {"1-wpts.gpx", wpts}}}), S::geenGpx, 0, EBADMSG,
         {"1-wpts.gpx"}, 1},
        // What a ZIP packed with gzip holds is counted to its end.
        {"zip met twee in gzip", gzVan(test::Zip{{{"a.gpx", gpx}, {"1", ""}, {"b.gpx", gpx}, {"2", ""}}}), S::meerdereGpx,
         0, EBADMSG, {"a.gpx", "1", "b.gpx", "2"}, 4},
        {"wpts en zip", test::Zip{{{"1-wpts.gpx", wpts}, {"binnen.zip", test::Zip{{{"1.gpx", gpx}}}.bytes()}}}.bytes(),
         S::geenGpx, 0, EBADMSG, {"1-wpts.gpx", "binnen.zip"}, 2},
        {"leeg", test::Zip{}.bytes(), S::geenGpx, 0},
        // Two found logs: refused from the table of contents, naming the first few files.
        {"twee", test::Zip{{{"a.gpx", gpx}, {"a-wpts.gpx", wpts}, {"1", ""}, {"2", ""}, {"3", ""}, {"b.gpx", gpx}}}.bytes(),
         S::meerdereGpx, 0, EBADMSG, {"a.gpx", "a-wpts.gpx", "1", "2", "3"}, 6},
        // A read of the archive's own bytes that fails is a failed read, never success.
        {"leesfout", test::Zip{{{"a.gpx", gpx}}}.bytes(), S::beschadigd, 0, EIO, {}, 0, 100},
    };
    for (const auto& g : gevallen) {
        const Gelezen z = lees(g.bytes, g.foutBij);
        EXPECT_EQ(z.archief.soort, g.soort) << g.wat;
        if (g.soort == S::geen) {
            EXPECT_TRUE(z.geopend && z.gescand) << g.wat << ": " << z.fout;
            std::string tekst;
            for (std::size_t k = 0; k < g.keerGpx; ++k) tekst += gpx;
            EXPECT_TRUE(test::zelfde(z.waypoints, test::referentie(tekst))) << g.wat;
        } else {
            EXPECT_TRUE(!(z.geopend && z.gescand) && z.fout == g.fout) << g.wat << ": " << z.fout;
        }
        if (g.soort == S::geenGpx || g.soort == S::meerdereGpx) {
            // A plain ZIP is refused from its table of contents, before anything is read.
            if (g.bytes.starts_with("PK")) {
                EXPECT_TRUE(!z.geopend && z.waypoints.empty()) << g.wat;
            }
            EXPECT_EQ(std::pair(z.archief.inhoud, z.archief.aantal), std::pair(g.inhoud, g.aantal)) << g.wat;
        }
    }

    const std::string versleuteld = test::Zip{{{"a.gpx", gpx}}, false, "geheim"}.bytes();
    if (versleuteld.empty()) GTEST_SKIP() << "libarchive kan hier geen versleutelde ZIP schrijven";
    const Gelezen g = lees(versleuteld);
    EXPECT_TRUE(!g.geopend && g.archief.soort == S::versleuteld);
}

// The progress goes up to the file's size, also over a ZIP's table of contents, where a stop
// ends the opening; a large file beside the found log is not read.
TEST(Archief, VoortgangEnStoppenVolgenDeBytesVanHetBestand) {
    std::string foto(std::size_t{24} << 20, '\0');
    for (std::size_t i = 0; i < foto.size(); i += 4096) foto[i] = char(i >> 12);
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
            EXPECT_LT(gelezen, std::size_t{1} << 20) << ervoor << stop;
            if (stop) {
                EXPECT_TRUE(!gelukt && bestand.fout() == ECANCELED && uit.empty());
            } else {
                EXPECT_TRUE(gelukt && uit.size() == 2u) << bestand.fout();
                EXPECT_EQ(plekken.back(), bytes.size());
            }
        }
    }
}

} // namespace
} // namespace kz
