// SPDX-License-Identifier: GPL-3.0-or-later
// The scanner against the plain reference on every search path; the path chosen; numbers.
#include "foundlog/getal.h"
#include "support/kern.h"

namespace kz {
namespace {

class Scan : public ::testing::TestWithParam<Zoekpad> {
protected:
    void SetUp() override {
        if (!wordtOndersteund(GetParam())) GTEST_SKIP() << "deze processor mist " << naamVan(GetParam());
    }

    // The reference's waypoints as "rij,kolom,jaar,nl ", read the same in any pieces.
    std::string scan(const std::string& tekst, std::vector<std::size_t> extra = {}) const {
        const std::vector<Waypoint> ref = test::referentie(tekst);
        std::vector<std::vector<std::size_t>> splitsingen = {{tekst.size() + 1}, std::move(extra)};
        for (std::size_t stuk : {1ul, 2ul, 3ul, 7ul, 16ul, 31ul, 32ul, 33ul, 85ul, 86ul, 4095ul, 4097ul})
            splitsingen.push_back({stuk});
        for (const auto& stukken : splitsingen)
            EXPECT_TRUE(test::zelfde(test::GeheugenBron::scan(tekst, stukken, GetParam()), ref))
                << (stukken.empty() ? 0 : stukken[0]);
        std::string s;
        for (const Waypoint& w : ref)
            s += std::to_string(w.vak.rij) + ',' + std::to_string(w.vak.kolom) + ',' + std::to_string(w.jaargev) + ',' +
                 std::to_string(w.isnl) + ' ';
        return s;
    }
};
INSTANTIATE_TEST_SUITE_P(Zoekpaden, Scan, ::testing::ValuesIn(alleZoekpaden),
                         [](const auto& info) { return std::string(naamVan(info.param)); });

TEST_P(Scan, ReadsWhatTheReferenceReads) {
    const std::string wpt = "<wpt lat=\"52.37\" lon=\"4.89\">\r\n", lang(2 * Scanner::maxRegel, 'x');
    std::string junk(100000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = char((i * 7919) % 256);
    const std::pair<std::string, const char*> gevallen[] = {
        // Tabs and spaces are trimmed at both ends; CR, LF and CR LF end lines, also in pieces.
        {"\t\t " + wpt + " \t<groundspeak:country>Netherlands</groundspeak:country> \t\r\n\t<gsak:UserFound>2008"
         "</gsak:UserFound>\t\n  </wpt>\t\r\n", "523,58,2008,1 "},
        {"<gpx>\r\n  <wpt lat='51.5' lon='5.5'>\r\r\n  <gsak:UserFound>2003</gsak:UserFound>\r  </wpt>   \n" +
         std::string(9000, ' ') + "<wpt lat=\"52.0\" lon=\"5.0\">" + std::string(9000, '\t') +
         "\r\n<gsak:UserFound>2012-1-1</gsak:UserFound>\r\n</wpt>" + std::string(5000, ' ') + "\r\n",
         "515,66,2003,0 520,60,2012,0 "},
        // Coordinates are cut at fixed places: unquoted off by one; no "lon=" or too short: 0 and 0.
        {"<wpt lat='52.37' lon='4.89'>\r\n</wpt>\r\n<wpt lat=\"52.37\"  lon=\"4.89\" >\r\n</wpt>\r\n"
         "<wpt lat=52.37 lon=4.89>\r\n</wpt>\r\n<wpt lat=\"-1.5\" lon=\"-2.25\">\r\n</wpt>\r\n",
         "523,58,0,0 523,58,0,0 23,9,0,0 -15,-27,0,0 "},
        {"<wpt lat=\"52.37\">\r\n</wpt>\r\n<wpt lat=\"52.37\" lon=\"\r\n</wpt>\r\n<wpt lat=\"52.37\" lon=\"4\r\n"
         "</wpt>\r\n<wpt lat=\r\n</wpt>\r\n<wpt lat=lon=\"4.89\">\r\n</wpt>\r\n<wpt lat=\"52.37\" lon=\"\">\r\n</wpt>\r\n"
         "<wpt lat=\"1e400\" lon=\"-1e400\">\r\n</wpt>\r\n",
         "0,0,0,0 0,0,0,0 0,0,0,0 0,0,0,0 0,58,0,0 523,0,0,0 32767,-32768,0,0 "},
        // Found years: the first four characters, rounded; the last line counts; case matters.
        {wpt + "</wpt>\r\n" + wpt + "<gsak:UserFound></gsak:UserFound>\r\n</wpt>\r\n" + wpt +
         "<gsak:UserFound>15-05-2008</gsak:UserFound>\r\n</wpt>\r\n" + wpt + "<gsak:UserFound>-3</gsak:UserFound>\r\n"
         "</wpt>\r\n" + wpt + "<gsak:UserFound>9E99\r\n</wpt>\r\n" + wpt + "<gsak:UserFound>-9E9\r\n</wpt>\r\n" + wpt +
         "<gsak:UserFound>2005</gsak:UserFound>\r\n<gsak:UserFound>20071\r\n</wpt>\r\n" + wpt +
         "<gsak:userfound>2005</gsak:userfound>\r\n</wpt>\r\n" +
         "<wpt lat=\"52.37\" lon=\"4.89\"><gsak:UserFound>2008</gsak:UserFound>\r\n</wpt>\r\n",
         "523,58,0,0 523,58,0,0 523,58,15,0 523,58,-3,0 523,58,32767,0 523,58,-32768,0 523,58,2007,0 523,58,0,0 "
         "523,58,0,0 "},
        // Only the whole country line names the Netherlands, and it stays named.
        {wpt + "<groundspeak:country>netherlands</groundspeak:country>\r\n</wpt>\r\n" + wpt +
         "<groundspeak:country x=\"1\">Netherlands</groundspeak:country>\r\n</wpt>\r\n" + wpt +
         "<groundspeak:country>Netherlands\r\n</groundspeak:country>\r\n</wpt>\r\n" + wpt +
         "<groundspeak:country>Netherlands</groundspeak:country>x\r\n</wpt>\r\n" + wpt +
         "<groundspeak:country>Netherlands</groundspeak:country>\r\n<groundspeak:country>Belgium</groundspeak:country>"
         "\r\n</wpt>\r\n",
         "523,58,0,0 523,58,0,0 523,58,0,0 523,58,0,0 523,58,0,1 "},
        // "</wpt>" must stand alone; a line naming lon= first opens no waypoint.
        {wpt + "<gsak:UserFound>2004</gsak:UserFound></wpt>\r\n</wpt>x\r\n<wpt lat=\"50.85\" lon=\"4.35\">\r\n"
         "<gsak:UserFound>2006</gsak:UserFound>\r\n<groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>"
         "\r\n<wpt lon=\"5.0\" lat=\"52.0\">\r\n<gsak:UserFound>2010</gsak:UserFound>\r\n</wpt>\r\n",
         "523,58,2006,1 "},
        // A file ending inside a waypoint still delivers it.
        {"<gpx>\r\n" + wpt + "<groundspeak:country>Netherlands</groundspeak:country>\r", "523,58,0,1 "},
        {wpt + "<gsak:UserFound>2011", "523,58,2011,0 "},
        // Very long lines are cut but not misread; binary junk is passed over.
        {wpt + "</wpt>" + lang + "\r\n<gsak:UserFound>2004</gsak:UserFound>\r\n</wpt>" +
         std::string(3 * Scanner::maxRegel, ' ') + "\r\n<wpt lat=\"52.37\" lon=\"4.89\" " + lang + ">\r\n</wpt>\r\n",
         "523,58,2004,0 523,58,0,0 "},
        {junk + "\r\n" + test::Gpx::waypoint("52.37", "4.89", "2008"), "523,58,2008,1 "},
    };
    for (const auto& [tekst, verwacht] : gevallen) EXPECT_EQ(scan(tekst), verwacht) << tekst.substr(0, 200);
}

// A My Finds waypoint: the cache's type line, then a log per "date type", then na.
struct Mijn {
    std::string land = "Netherlands";
    std::vector<std::string> logs;
    std::string soort = "Traditional Cache", na = "";
};
std::string mijn(std::initializer_list<Mijn> waypoints) {
    std::string t;
    for (const Mijn& w : waypoints) {
        t += "  <wpt lat=\"" + std::string(w.land == "Netherlands" ? "52.37\" lon=\"4.89" : "50.85\" lon=\"4.35") +
             "\">\r\n    <groundspeak:type>" + w.soort + "</groundspeak:type>\r\n    <groundspeak:country>" + w.land +
             "</groundspeak:country>\r\n    <groundspeak:logs>\r\n";
        for (const std::string& log : w.logs) {
            const std::size_t spatie = log.find(' ');
            t += "      <groundspeak:log id=\"1\">\r\n        <groundspeak:date>" + log.substr(0, spatie) +
                 "T19:00:00Z</groundspeak:date>\r\n        <groundspeak:type>" + log.substr(spatie + 1) +
                 "</groundspeak:type>\r\n        <groundspeak:finder id=\"7\">ik</groundspeak:finder>\r\n"
                 "      </groundspeak:log>\r\n";
        }
        t += "    </groundspeak:logs>\r\n" + w.na + "  </wpt>\r\n";
    }
    return t;
}

// My Finds: the earliest own find by a log, unless the waypoint has a found date; only with the header.
TEST_P(Scan, MyFindsTakeTheYearOfTheEarliestOwnFind) {
    using test::Gpx;
    const std::string kop = "<name>My Finds Pocket Query</name>";
    const std::string drie = mijn({{.logs = {"2020-09-24 Found it"}}, {"Belgium", {"2019-01-02 Found it"}},
                                   {.logs = {"2018-05-05 Attended"}, .soort = "Event Cache"}});
    EXPECT_EQ(scan(Gpx().regel(" \t" + kop + "\t").regel(drie).tekst()), "523,58,2020,1 508,52,2019,0 523,58,2018,1 ");
    // Only find types count; an empty found date wins too (of several finds the earliest, and a
    // found date after the logs: the fixture mijnvondsten.gpx).
    const std::string soorten =
        mijn({{.logs = {"2001-01-01 Write note", "2002-02-02 Didn't find it", "2010-03-03 Found it"}},
              {.logs = {"2011-04-04 Webcam Photo Taken"}, .soort = "Webcam Cache"},
              {.logs = {"2003-05-05 Didn't find it", "2004-06-06 Write note", "2005-07-07 Needs Maintenance"}},
              {.logs = {"2005-11-11 Found it"}, .na = "    <gsak:UserFound></gsak:UserFound>\r\n"}});
    EXPECT_EQ(scan(Gpx().regel(kop).regel(soorten).tekst()), "523,58,2010,1 523,58,2011,1 523,58,0,1 523,58,0,1 ");
    // A log ends at its closing line, the next log or </wpt>; its last date counts, not the
    // cache's own type line or a date outside a log.
    const std::string log = "<groundspeak:log id=\"2\">\r\n", eind = "</groundspeak:log>\r\n",
                      gevonden = "<groundspeak:type>Found it</groundspeak:type>\r\n";
    const auto datum = [](const char* d) { return std::string("<groundspeak:date>") + d + "</groundspeak:date>\r\n"; };
    const std::string logs =
        "<wpt lat=\"52.37\" lon=\"4.89\">\r\n" + log + gevonden + datum("2013-01-01") + datum("2014-01-01") + eind +
        "</wpt>\r\n<wpt lat=\"52.37\" lon=\"4.89\">\r\n" + gevonden + datum("2006") + log + datum("2007") + log + gevonden +
        eind + datum("2001") + "</wpt>\r\n<wpt lat=\"52.37\" lon=\"4.89\">\r\n" + log + datum("2016") + gevonden + log +
        datum("2017") + "<groundspeak:type>Found it </groundspeak:type>\r\n" + log + datum("2015") + gevonden + "</wpt>\r\n";
    EXPECT_EQ(scan(Gpx().regel(kop).regel(logs).tekst()), "523,58,2014,0 523,58,0,0 523,58,2015,0 ");
    // With another name, or with the header after the first waypoint, no log counts.
    EXPECT_EQ(scan(Gpx().regel("<name>My Finds Pocket Query 2</name>").regel(drie).regel(kop).regel(drie).tekst()),
              "523,58,0,1 508,52,0,0 523,58,0,1 523,58,0,1 508,52,0,0 523,58,0,1 ");
}

// Cut, the longitude would run on into the last two characters and read 4.89E1.
TEST_P(Scan, ALineOfTheLongestLengthKeptIsWholeWhereverItsBlanksArrive) {
    const std::string begin = "  <wpt lat=\"52.37\" lon=\"4.89E", eind = "01";
    const std::string regel = begin + std::string(Scanner::maxRegel + 2 - begin.size() - eind.size(), '0') + eind;
    const std::string tekst = regel + " \t  \t\r\n</wpt>\r\n";
    for (std::size_t eerste : {regel.size() - 1, regel.size(), regel.size() + 1, regel.size() + 4})
        EXPECT_EQ(scan(tekst, {eerste, 1, 2}), "523,58,0,0 ") << eerste;

    // One longer is cut, to 4.89E01, also over three pieces, the last only trailing blanks.
    const std::string cut = "  <wpt lat=\"52.37\" lon=\"4.89E" + std::string(Scanner::maxRegel - 29, '0') + "0123\">",
                      blanks = " \t  ";
    EXPECT_EQ(scan(cut + blanks + "\r\n</wpt>\r\n", {2000, cut.size() - 2000, blanks.size(), 100}), "523,586,0,0 ");
}

// Several elements on a line (as opencaching.de writes them): no waypoint read, but counted.
TEST_P(Scan, WaypointsInsideALineAreCountedNotRead) {
    const std::string w = "<wpt lat=\"52.1\" lon=\"5.1\"><gsak:UserFound>2008</gsak:UserFound></wpt>";
    const std::string tekst = "<gpx><metadata></metadata>" + w + "\n \t" + w + w + "<wpt\r\n" + w;
    for (std::size_t stuk : std::initializer_list<std::size_t>{16, 64, 4096, tekst.size()}) {
        GpxBestand bestand(std::make_unique<test::GeheugenBron>(tekst, std::vector<std::size_t>{stuk}));
        EXPECT_TRUE(bestand.scan([](const Waypoint&) {}, GetParam()));
        // At least the first line's; one cut by a piece's end may go uncounted.
        EXPECT_GE(bestand.nietOpEigenRegel(), 1) << stuk;
    }
    // Only the whole tag counts: "<wptx" is none.
    GpxBestand geen(std::make_unique<test::GeheugenBron>("<gpx><wptx lat=\"1\"/>\n"));
    EXPECT_TRUE(geen.scan([](const Waypoint&) {}, GetParam()));
    EXPECT_EQ(geen.nietOpEigenRegel(), 0);
}

// A line cut between two reads is read as a whole, its tail not again as lines of its own.
TEST_P(Scan, ALineCutAnywhereBetweenTwoReadsReadsAsInOnePiece) {
    const std::string tekst = "<wpt lat=\"52.37\" lon=\"4.89\">\r\n <gsak:UserFound>2008-01-01</gsak:UserFound></wpt>\r\n"
                              " <groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>\n"
                              "<wpt lat=\"50.85\" lon=\"4.35\">\r<groundspeak:country>Belgium</groundspeak:country></wpt>\r"
                              "<gsak:UserFound>2011</gsak:UserFound>\t</wpt>\r\n</wpt>\r\n<wpt lat=\"51.5\" lon=\"5.5\">\n"
                              "<groundspeak:country>Netherlands</groundspeak:country><wpt lat=\"1\" lon=\"1\">\n"
                              "\t<gsak:UserFound>2012</gsak:UserFound></wpt></wpt>\n</wpt>";
    const std::vector<Waypoint> heel = test::GeheugenBron::scan(tekst, {}, GetParam());
    ASSERT_EQ(scan(tekst), "523,58,2008,1 508,52,2011,0 515,66,2012,0 ");
    for (std::size_t knip = 1; knip < tekst.size(); ++knip)
        EXPECT_TRUE(test::zelfde(test::GeheugenBron::scan(tekst, {knip, tekst.size()}, GetParam()), heel)) << knip;
}

// The fuzzer's seeds and former failures, at once and in the fuzzer's pieces.
TEST_P(Scan, FuzzSeedsAndFormerFailuresReadAsTheReference) {
    int aantal = 0;
    for (const char* map : {KZ_FUZZ_CORPUS, KZ_FUZZ_REGRESSIES})
        for (const auto& item : std::filesystem::directory_iterator(map)) {
            if (!item.is_regular_file() || item.path().extension() == ".md") continue;
            std::ifstream in(item.path(), std::ios::binary);
            const std::string data(std::istreambuf_iterator<char>(in), {});
            for (const auto& stukken : {std::vector<std::size_t>{}, test::GeheugenBron::stukkenUit(data)})
                EXPECT_TRUE(test::zelfde(test::GeheugenBron::scan(data, stukken, GetParam()), test::referentie(data)))
                    << item.path();
            ++aantal;
        }
    EXPECT_GE(aantal, 5);
}

// From the processor, or KAVELZICHT_ZOEKPAD when this processor can run it; any other name
// (also "sse2" and "avx512", paths the program no longer has) gives the best.
TEST(Zoekpad, ChosenByTheProcessorOrByName) {
    EXPECT_TRUE(wordtOndersteund(besteZoekpad()));
    for (Zoekpad pad : alleZoekpaden)
        EXPECT_EQ(kiesZoekpad(naamVan(pad)), wordtOndersteund(pad) ? pad : besteZoekpad()) << naamVan(pad);
    for (const char* keuze : {static_cast<const char*>(nullptr), "", "AVX2", "avx2 ", "snel", "sse2", "avx512"})
        EXPECT_EQ(kiesZoekpad(keuze), besteZoekpad()) << (keuze ? keuze : "(geen)");
}

constexpr double inf = std::numeric_limits<double>::infinity();

// Blanks count nowhere; huge numbers and long runs of digits neither overflow nor lose the scale.
TEST(Getal, ReadsTheNumberThatTheTextBeginsWithAndRoundsAYear) {
    const std::pair<std::string, double> gevallen[] = {
        {"52.37", 52.37}, {"4.89\"", 4.89}, {"-0.5", -0.5}, {".5", 0.5}, {"12.", 12}, {"2008-05-17", 2008},
        {"1.2.3", 1.2}, {"1E3", 1000}, {"2D+2", 200}, {"3E", 3}, {"  5 2 .\t3\n7 ", 52.37}, {"1 e 2", 100},
        {"", 0}, {"abc", 0}, {"\"52.3", 0}, {"+.", 0}, {"E5", 0}, // no number
        {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0}, {"1e99999999999999999999", inf}, {"0e99999", 0},
        {std::string(1000, '9'), inf}, {std::string("0.").append(300, '0') + "1e301", 1}, {std::string(500, '0') + "7", 7},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
    for (const auto& [tekst, waarde] : gevallen) EXPECT_EQ(numeriekeWaarde(tekst), waarde) << tekst;

    // A found year is rounded with halves to even and saturates at the 16-bit limits.
    const std::pair<double, int> jaren[] = {{2008.5, 2008}, {2009.5, 2010}, {-1.5, -2},       {32766.5, 32766},
                                            {inf, 32767},   {-1e9, -32768}, {std::nan(""), 0}};
    for (const auto& [waarde, jaar] : jaren) EXPECT_EQ(rondAfNaarInt16(waarde), jaar) << waarde;
}

TEST(Getal, IgnoresTheLocale) {
#if defined(_WIN32)
    const test::LocaleWacht wacht("Dutch_Netherlands"); // the C library's name for it on Windows
#else
    const test::LocaleWacht wacht("nl_NL.UTF-8");
#endif
    if (!wacht.cGezet()) GTEST_SKIP() << "the C library has no locale nl_NL.UTF-8";
    EXPECT_EQ(numeriekeWaarde("52.37"), 52.37);
    EXPECT_EQ(numeriekeWaarde("52,37"), 52);
}

} // namespace
} // namespace kz
