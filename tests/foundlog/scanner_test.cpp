#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "foundlog/gpxbestand.h"
#include "foundlog/scanner.h"

namespace kz {
namespace {


struct Gelezen {
    int rij, kolom, jaar, nl;
    double breedte10, lengte12;
    bool operator==(const Gelezen&) const = default;
};

// Scans with every search path the processor has; they must all read the same.
std::vector<Gelezen> scanInStukken(const std::string& tekst, std::size_t stuk) {
    std::vector<Gelezen> eerste;
    for (Zoekpad pad : alleZoekpaden) {
        if (!wordtOndersteund(pad)) continue;
        std::vector<Gelezen> uit;
        Scanner s([&](const Waypoint& w) {
            uit.push_back({w.vak.rij, w.vak.kolom, w.jaargev, w.isnl, w.vak.breedte10, w.vak.lengte12});
        }, pad);
        for (std::size_t i = 0; i < tekst.size(); i += stuk) s.voedt(tekst.data() + i, std::min(stuk, tekst.size() - i));
        s.einde();
        if (pad == Zoekpad::portabel) eerste = uit;
        else EXPECT_EQ(uit, eerste) << naamVan(pad);
    }
    return eerste;
}

std::vector<Gelezen> scan(const std::string& tekst) { return scanInStukken(tekst, tekst.size() + 1); }

// One waypoint in the usual export form, lines joined by eol.
std::string waypoint(const std::string& lat, const std::string& lon, const std::string& datum, const std::string& land,
                     const std::string& eol = "\r\n", const std::string& inspring = "  ") {
    return inspring + "<wpt lat=\"" + lat + "\" lon=\"" + lon + "\">" + eol + inspring + "  <name>GC12345</name>" + eol +
           inspring + "  <groundspeak:country>" + land + "</groundspeak:country>" + eol + inspring +
           "  <gsak:UserFound>" + datum + "</gsak:UserFound>" + eol + inspring + "</wpt>" + eol;
}

TEST(Scanner, ReadsAWaypointWithCrLfLfAndCrLineEnds) {
    for (std::string eol : {"\r\n", "\n", "\r"}) {
        const std::string gpx = "<?xml version=\"1.0\"?>" + eol + "<gpx>" + eol +
                                waypoint("52.37", "4.89", "2008-05-17", "Netherlands", eol) +
                                waypoint("50.85", "4.35", "2011-01-02", "Belgium", eol) + "</gpx>" + eol;
        const auto w = scan(gpx);
        ASSERT_EQ(w.size(), 2u) << "eol " << int(eol.back());
        EXPECT_EQ(w[0].rij, 523);
        EXPECT_EQ(w[0].kolom, 58);
        EXPECT_EQ(w[0].jaar, 2008);
        EXPECT_EQ(w[0].nl, 1);
        EXPECT_DOUBLE_EQ(w[0].breedte10, 523.7);
        EXPECT_DOUBLE_EQ(w[0].lengte12, 4.89 * 12);
        EXPECT_EQ(w[1].jaar, 2011);
        EXPECT_EQ(w[1].nl, 0);
    }
}

TEST(Scanner, PiecesOfAnySizeGiveTheSameResult) {
    std::string gpx = "<gpx>\r\n";
    gpx += waypoint("52.37", "4.89", "2008-05-17", "Netherlands");
    gpx += waypoint("53.45", "3.36", "2009-05-17", "Netherlands", "\n", "\t");
    gpx += "  <wpt lat='51.5' lon='5.5'>\r\r\n  <gsak:UserFound>2003</gsak:UserFound>\r  </wpt>   \n";
    gpx += std::string(9000, ' ') + "<wpt lat=\"52.0\" lon=\"5.0\">" + std::string(9000, '\t') + "\r\n";
    gpx += "<gsak:UserFound>2012-1-1</gsak:UserFound>\r\n</wpt>" + std::string(5000, ' ') + "\r\n";
    gpx += waypoint("52.1", "5.1", "2013", "Netherlands");
    const auto heel = scan(gpx);
    ASSERT_EQ(heel.size(), 5u);
    EXPECT_EQ(heel[3].rij, 520);
    EXPECT_EQ(heel[3].kolom, 60);
    EXPECT_EQ(heel[3].jaar, 2012);
    for (std::size_t stuk : {1u, 2u, 3u, 7u, 16u, 31u, 32u, 33u, 85u, 86u, 4095u, 4097u})
        EXPECT_EQ(scanInStukken(gpx, stuk), heel) << stuk;
}

TEST(Scanner, TabsAndSpacesAreTrimmedAtBothEnds) {
    const auto w = scan(waypoint("52.37", "4.89", "2008", "Netherlands", "\r\n", "\t\t ") + "\t");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].jaar, 2008);
    EXPECT_EQ(w[0].nl, 1);
    const auto v = scan("<wpt lat=\"52.37\" lon=\"4.89\">\t \r\n<groundspeak:country>Netherlands</groundspeak:country> \t\r\n</wpt>\t\r\n");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].nl, 1);
    EXPECT_EQ(v[0].kolom, 58);
}

TEST(Scanner, CutsTheCoordinatesAtFixedPositions) {
    auto eerste = [](const std::string& regel) {
        const auto w = scan(regel + "\r\n</wpt>\r\n");
        EXPECT_EQ(w.size(), 1u) << regel;
        return w.empty() ? Gelezen{} : w[0];
    };
    EXPECT_DOUBLE_EQ(eerste("<wpt lat='52.37' lon='4.89'>").breedte10, 523.7); // single quotes
    EXPECT_DOUBLE_EQ(eerste("<wpt lat='52.37' lon='4.89'>").lengte12, 4.89 * 12);
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=\"52.37\"  lon=\"4.89\" >").breedte10, 523.7); // extra spaces do no harm
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=\"52.37\"  lon=\"4.89\" >").lengte12, 4.89 * 12);
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=52.37 lon=4.89>").breedte10, 23); // no quotes: the cut is off by one
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=\"-1.5\" lon=\"-2.25\">").lengte12, -27);
    EXPECT_EQ(eerste("<wpt lat=\"-1.5\" lon=\"-2.25\">").rij, -15);
    // No "lon=", or too short to cut: the waypoint opens with both coordinates 0.
    for (const char* r : {"<wpt lat=\"52.37\">", "<wpt lat=\"52.37\" lon=\"", "<wpt lat=\"52.37\" lon=\"4",
                          "<wpt lat="}) {
        const Gelezen g = eerste(r);
        EXPECT_EQ(g.breedte10, 0) << r;
        EXPECT_EQ(g.lengte12, 0) << r;
        EXPECT_EQ(g.rij, 0) << r;
    }
    // "lon=" too early for a latitude: the latitude text is empty, the longitude is read.
    EXPECT_EQ(eerste("<wpt lat=lon=\"4.89\">").breedte10, 0);
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=lon=\"4.89\">").lengte12, 4.89 * 12);
    // Two characters after the quote are just enough: an empty longitude.
    EXPECT_EQ(eerste("<wpt lat=\"52.37\" lon=\"\">").lengte12, 0);
    EXPECT_DOUBLE_EQ(eerste("<wpt lat=\"52.37\" lon=\"\">").breedte10, 523.7);
    // Huge numbers fall outside the grid instead of overflowing.
    EXPECT_EQ(eerste("<wpt lat=\"1e400\" lon=\"-1e400\">").rij, 32767);
    EXPECT_EQ(eerste("<wpt lat=\"1e400\" lon=\"-1e400\">").kolom, -32768);
}

TEST(Scanner, FoundYearAndCountryLines) {
    auto metRegels = [](const std::string& binnen) {
        const auto w = scan("<wpt lat=\"52.37\" lon=\"4.89\">\r\n" + binnen + "</wpt>\r\n");
        EXPECT_EQ(w.size(), 1u);
        return w.empty() ? Gelezen{} : w[0];
    };
    EXPECT_EQ(metRegels("").jaar, 0);                                                  // no found date
    EXPECT_EQ(metRegels("<gsak:UserFound></gsak:UserFound>\r\n").jaar, 0);             // empty element
    EXPECT_EQ(metRegels("<gsak:UserFound>15-05-2008</gsak:UserFound>\r\n").jaar, 15); // day first
    EXPECT_EQ(metRegels("<gsak:UserFound>20</gsak:UserFound>\r\n").jaar, 20);
    EXPECT_EQ(metRegels("<gsak:UserFound>-3</gsak:UserFound>\r\n").jaar, -3);
    EXPECT_EQ(metRegels("<gsak:UserFound>9E99</gsak:UserFound>\r\n").jaar, 32767);
    EXPECT_EQ(metRegels("<gsak:UserFound>-9E9</gsak:UserFound>\r\n").jaar, -32768);
    EXPECT_EQ(metRegels("<gsak:UserFound>").jaar, 0);
    EXPECT_EQ(metRegels("<gsak:UserFound>2005</gsak:UserFound>\r\n<gsak:UserFound>2007</gsak:UserFound>\r\n").jaar, 2007);
    EXPECT_EQ(metRegels("<gsak:userfound>2005</gsak:userfound>\r\n").jaar, 0);
    EXPECT_EQ(metRegels("<groundspeak:country>Netherlands</groundspeak:country>\r\n").nl, 1);
    EXPECT_EQ(metRegels("<groundspeak:country>netherlands</groundspeak:country>\r\n").nl, 0);
    EXPECT_EQ(metRegels("<groundspeak:country x=\"1\">Netherlands</groundspeak:country>\r\n").nl, 0);
    EXPECT_EQ(metRegels("<groundspeak:country>Netherlands\r\n</groundspeak:country>\r\n").nl, 0);
    EXPECT_EQ(metRegels("<groundspeak:country>Netherlands</groundspeak:country>\r\n<groundspeak:country>Belgium</groundspeak:country>\r\n").nl, 1);
    // The first line itself is not looked at for the country or the date.
    EXPECT_EQ(scan("<wpt lat=\"52.37\" lon=\"4.89\"><gsak:UserFound>2008</gsak:UserFound>\r\n</wpt>\r\n")[0].jaar, 0);
}

TEST(Scanner, ClosingTagMustStandAlone) {
    // "</wpt>" sharing a line leaves the waypoint open up to the next lone "</wpt>": the
    // waypoint lines in between are not new waypoints and their lines count for the open one.
    const std::string gpx =
        "<wpt lat=\"52.37\" lon=\"4.89\">\r\n<gsak:UserFound>2004</gsak:UserFound></wpt>\r\n"
        "<wpt lat=\"50.85\" lon=\"4.35\">\r\n<gsak:UserFound>2006</gsak:UserFound>\r\n"
        "<groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>\r\n"
        "<wpt lat=\"52.0\" lon=\"5.0\"><name>x</name><gsak:UserFound>2009</gsak:UserFound></wpt>\r\n"
        "<wpt lon=\"5.0\" lat=\"52.0\">\r\n<gsak:UserFound>2010</gsak:UserFound>\r\n</wpt>\r\n";
    const auto w = scan(gpx);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].rij, 523);
    EXPECT_EQ(w[0].jaar, 2006);
    EXPECT_EQ(w[0].nl, 1);
    // The one-line waypoint stays open; the lon-first waypoint's lines count for it.
    EXPECT_EQ(w[1].rij, 520);
    EXPECT_EQ(w[1].jaar, 2010);
    EXPECT_EQ(w[1].nl, 0);
    // A waypoint line that names lon= first is passed over with its whole waypoint.
    EXPECT_TRUE(scan("<wpt lon=\"5.0\" lat=\"52.0\">\r\n<gsak:UserFound>2010</gsak:UserFound>\r\n</wpt>\r\n").empty());
}

TEST(Scanner, FileEndingInsideAWaypointStillDeliversIt) {
    for (std::string einde : {"", "\r\n", "\r", "<gsak:UserFound>2011</gsak:UserFound>"}) {
        const auto w = scan("<gpx>\r\n<wpt lat=\"52.37\" lon=\"4.89\">\r\n<groundspeak:country>Netherlands</groundspeak:country>\r\n" + einde);
        ASSERT_EQ(w.size(), 1u);
        EXPECT_EQ(w[0].nl, 1);
    }
    EXPECT_EQ(scan("<wpt lat=\"52.37\" lon=\"4.89\">\r\n<gsak:UserFound>2011")[0].jaar, 2011);
    EXPECT_TRUE(scan("").empty());
    EXPECT_TRUE(scan("\r\n\r\n\n").empty());
}

TEST(Scanner, VeryLongLinesAreCutButNotMisread) {
    const std::string lang(2 * Scanner::maxRegel, 'x');
    // A long line after the tag is no closing line; a long line of white space around a tag is trimmed.
    auto w = scan("<wpt lat=\"52.37\" lon=\"4.89\">\r\n</wpt>" + lang + "\r\n<gsak:UserFound>2004</gsak:UserFound>\r\n</wpt>" +
                  std::string(3 * Scanner::maxRegel, ' ') + "\r\n");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].jaar, 2004);
    // A waypoint line with a very long tail still gives its coordinates.
    w = scan("<wpt lat=\"52.37\" lon=\"4.89\" " + lang + ">\r\n</wpt>\r\n");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].rij, 523);
    EXPECT_EQ(w[0].kolom, 58);
    // Binary junk and NUL bytes are just lines that are passed over.
    std::string junk(100000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = char((i * 7919) % 256);
    w = scan(junk + "\r\n" + waypoint("52.37", "4.89", "2008", "Netherlands"));
    ASSERT_GE(w.size(), 1u);
    EXPECT_EQ(w.back().jaar, 2008);
}

// A small file is read in blocks, a large one mapped and read ahead on a second thread;
// a large file cut short while it is read (here by the afnemer) ends without error.
TEST(ScanBestand, ReadsSmallAndLargeFilesAndReportsOneThatCannotBeOpened) {
    const auto map = std::filesystem::temp_directory_path() / ("kz-scan-" + std::to_string(::getpid()));
    std::filesystem::create_directories(map);
    const auto pad = (map / "vondsten.gpx").string();
    int aantal;
    for (int n : {3000, 60000}) {
        std::string inhoud = "<gpx>\r\n";
        for (int i = 0; i < n; ++i) inhoud += waypoint("52.37", "4.89", "2008", "Netherlands");
        std::ofstream(pad, std::ios::binary) << inhoud;
        aantal = 0;
        EXPECT_TRUE(scanBestand(pad, [&](const Waypoint& w) { aantal += w.jaargev == 2008 && w.isnl; }));
        EXPECT_EQ(aantal, n);
    }
    aantal = 0;
    EXPECT_TRUE(scanBestand(pad, [&](const Waypoint&) {
        if (++aantal == 10000) std::filesystem::resize_file(pad, 1 << 20);
    }));
    EXPECT_GE(aantal, 10000);
    EXPECT_LT(aantal, 60000);
    aantal = 0;

    const auto ontbreekt = (map / "weg.gpx").string();
    EXPECT_FALSE(scanBestand(ontbreekt, [&](const Waypoint&) { ++aantal; }));
    EXPECT_FALSE(scanBestand(map.string(), [&](const Waypoint&) { ++aantal; }));
    EXPECT_EQ(aantal, 0);
    std::filesystem::remove_all(map);
}

} // namespace
} // namespace kz
