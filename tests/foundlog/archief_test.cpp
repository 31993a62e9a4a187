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

Gelezen lees(std::string bytes, std::size_t foutBij = std::string::npos,
             const char* bibliotheek = ArchiefBibliotheek::standaardNaam) {
    auto bron = std::make_unique<test::GeheugenBron>(std::move(bytes), std::vector<std::size_t>{1000, 7, 65536});
    bron->foutBij = foutBij;
    Gelezen g;
    int fout = 0;
    std::unique_ptr<Bron> archief = Archiefbron::herken(std::move(bron), fout, g.archief, bibliotheek);
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
    for (bool opgeslagen : {false, true}) {
        const Gelezen z = lees(test::Zip{{{"1234567-wpts.gpx", wpts}, {"1234567.GPX", gpx}, {"LEESMIJ.txt", "x"}}, opgeslagen}.bytes());
        EXPECT_TRUE(z.geopend && z.gescand) << z.fout;
        EXPECT_TRUE(test::zelfde(z.waypoints, kaal));
    }
    const Gelezen gz = lees(test::Zip{{{"vondsten.gpx", gpx}}}.gzip());
    EXPECT_TRUE(gz.gescand);
    EXPECT_TRUE(test::zelfde(gz.waypoints, kaal));
    // Text that merely begins like an archive is read as text.
    EXPECT_TRUE(lees("PK").gescand);
}

TEST(Archief, ElkeFoutVanHetArchiefWordtGemeldMetWatHetBevat) {
    using S = Archieffout::Soort;
    // Only the extra waypoints, an archive in the archive, nothing at all.
    Gelezen g = lees(test::Zip{{{"1-wpts.gpx", wpts}, {"binnen.zip", test::Zip{{{"1.gpx", gpx}}}.bytes()}}}.bytes());
    EXPECT_FALSE(g.geopend);
    EXPECT_EQ(g.fout, EBADMSG);
    EXPECT_EQ(g.archief.soort, S::geenGpx);
    EXPECT_EQ(g.archief.inhoud, (std::vector<std::string>{"1-wpts.gpx", "binnen.zip"}));
    EXPECT_EQ(lees(test::Zip{}.bytes()).archief.soort, S::geenGpx);

    // Two found logs: the first is read, and the second fails the scan, naming all.
    g = lees(test::Zip{{{"a.gpx", gpx}, {"a-wpts.gpx", wpts}, {"b.gpx", gpx}}}.bytes());
    EXPECT_TRUE(g.geopend);
    EXPECT_FALSE(g.gescand);
    EXPECT_EQ(g.archief.soort, S::meerdereGpx);
    EXPECT_EQ(g.archief.inhoud, (std::vector<std::string>{"a.gpx", "a-wpts.gpx", "b.gpx"}));

    // A changed byte (the checksum no longer fits), a cut-off archive: damaged.
    std::string zip = test::Zip{{{"a.gpx", gpx}}, true}.bytes();
    zip[zip.find("52.37")] = '9';
    EXPECT_EQ(lees(zip).archief.soort, S::beschadigd);
    EXPECT_FALSE(lees(zip).gescand);
    zip = test::Zip{{{"a.gpx", gpx + gpx + gpx}}}.bytes();
    g = lees(zip.substr(0, zip.size() / 2));
    EXPECT_FALSE(g.geopend && g.gescand);
    EXPECT_EQ(g.archief.soort, S::beschadigd);

    // A read of the archive's own bytes that fails is a failed read, never success.
    g = lees(test::Zip{{{"a.gpx", gpx}}}.bytes(), 100);
    EXPECT_FALSE(g.geopend && g.gescand);
    EXPECT_EQ(g.fout, EIO);

    // Without the library that reads archives: an archive is refused as such, and a
    // plain file, which never needs it, reads as ever.
    g = lees(test::Zip{{{"a.gpx", gpx}}}.bytes(), std::string::npos, "libarchive-ontbreekt.so");
    EXPECT_FALSE(g.geopend);
    EXPECT_EQ(g.fout, ENOTSUP);
    EXPECT_EQ(g.archief.soort, S::geenBibliotheek);
    EXPECT_TRUE(lees(gpx, std::string::npos, "libarchive-ontbreekt.so").gescand);

    // A password.
    const std::string versleuteld = test::Zip{{{"a.gpx", gpx}}, false, "geheim"}.bytes();
    if (versleuteld.empty()) GTEST_SKIP() << "libarchive kan hier geen versleutelde ZIP schrijven";
    g = lees(versleuteld);
    EXPECT_FALSE(g.geopend);
    EXPECT_EQ(g.archief.soort, S::versleuteld);
}

} // namespace
} // namespace kz
