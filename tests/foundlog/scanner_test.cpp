// The scanner against the plain line-by-line reference of the fuzz checks (also replaying
// the fuzz inputs), and the file reader against the benchmarks' export generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "foundlog/gpxbestand.h"
#include "fuzz_body.h"
#include "gpxgen.h"
#include "support/gpx.h"

namespace kz {
namespace {

// The waypoints the reference reads, as "rij,kolom,jaar,nl " each; every search path the
// processor has, fed the text in pieces of many sizes, must read exactly the same.
std::string scan(const std::string& tekst) {
    const std::vector<Waypoint> ref = fuzz::referentie(tekst);
    for (Zoekpad pad : alleZoekpaden)
        for (std::size_t stuk : {1ul, 2ul, 3ul, 7ul, 16ul, 31ul, 32ul, 33ul, 85ul, 86ul, 4095ul, 4097ul, tekst.size() + 1}) {
            if (!wordtOndersteund(pad)) continue;
            std::vector<Waypoint> uit;
            Scanner s([&](const Waypoint& w) { uit.push_back(w); }, pad);
            for (std::size_t i = 0; i < tekst.size(); i += stuk) s.voedt(tekst.data() + i, std::min(stuk, tekst.size() - i));
            s.einde();
            EXPECT_TRUE(std::equal(uit.begin(), uit.end(), ref.begin(), ref.end(), fuzz::zelfde)) << naamVan(pad) << ' ' << stuk;
        }
    std::string s;
    for (const Waypoint& w : ref)
        s += std::to_string(w.vak.rij) + ',' + std::to_string(w.vak.kolom) + ',' + std::to_string(w.jaargev) + ',' +
             std::to_string(w.isnl) + ' ';
    return s;
}

TEST(Scanner, ReadsWhatTheReferenceReads) {
    for (std::string eol : {"\r\n", "\n", "\r"})
        EXPECT_EQ(scan(test::Gpx(eol).wpt("52.37", "4.89", 2008).wpt("50.85", "4.35", 2011, "Belgium").tekst()),
                  "523,58,2008,1 508,52,2011,0 ");
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
        // The coordinates are cut at fixed positions: without quotes off by one; no "lon=",
        // or too short to cut, gives 0 and 0; huge numbers saturate far outside the grid.
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
        // "</wpt>" must stand alone: the waypoint stays open and takes the lines after it;
        // a line naming lon= first opens no waypoint.
        {wpt + "<gsak:UserFound>2004</gsak:UserFound></wpt>\r\n</wpt>x\r\n<wpt lat=\"50.85\" lon=\"4.35\">\r\n"
         "<gsak:UserFound>2006</gsak:UserFound>\r\n<groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>"
         "\r\n<wpt lon=\"5.0\" lat=\"52.0\">\r\n<gsak:UserFound>2010</gsak:UserFound>\r\n</wpt>\r\n",
         "523,58,2006,1 "},
        // A file ending inside a waypoint still delivers it.
        {"<gpx>\r\n" + wpt + "<groundspeak:country>Netherlands</groundspeak:country>\r", "523,58,0,1 "},
        {wpt + "<gsak:UserFound>2011", "523,58,2011,0 "},
        {"\r\n\r\n\n", ""},
        // Very long lines are cut but not misread; binary junk is passed over.
        {wpt + "</wpt>" + lang + "\r\n<gsak:UserFound>2004</gsak:UserFound>\r\n</wpt>" +
         std::string(3 * Scanner::maxRegel, ' ') + "\r\n<wpt lat=\"52.37\" lon=\"4.89\" " + lang + ">\r\n</wpt>\r\n",
         "523,58,2004,0 523,58,0,0 "},
        {junk + "\r\n" + test::Gpx::waypoint("52.37", "4.89", "2008"), "523,58,2008,1 "},
    };
    for (const auto& [tekst, verwacht] : gevallen) EXPECT_EQ(scan(tekst), verwacht) << tekst.substr(0, 200);
}

// The fuzzer's seed corpus and every input that once made it fail pass the fuzz checks.
class FuzzRegressie : public ::testing::TestWithParam<Zoekpad> {};

TEST_P(FuzzRegressie, SeedsAndFormerFailuresPassTheFuzzChecks) {
    if (!wordtOndersteund(GetParam())) GTEST_SKIP() << "this processor lacks " << naamVan(GetParam());
    int aantal = 0;
    for (const char* map : {KZ_FUZZ_CORPUS, KZ_FUZZ_REGRESSIES})
        for (const auto& item : std::filesystem::directory_iterator(map)) {
            if (!item.is_regular_file() || item.path().extension() == ".md") continue;
            std::ifstream in(item.path(), std::ios::binary);
            const std::string data(std::istreambuf_iterator<char>(in), {});
            SCOPED_TRACE(item.path().string());
            fuzz::eenGeval(reinterpret_cast<const uint8_t*>(data.data()), data.size(), {GetParam()});
            ++aantal;
        }
    EXPECT_GE(aantal, 5);
}
INSTANTIATE_TEST_SUITE_P(Zoekpaden, FuzzRegressie, ::testing::ValuesIn(alleZoekpaden),
                         [](const auto& info) { return std::string(naamVan(info.param)); });

// A small file is read in blocks, a large one mapped and read ahead on a second thread:
// both give what the generator says it wrote (the benchmarks rely on that summary), the
// same file for the same seed. A large file cut short while it is read ends without error.
TEST(ScanBestand, ReadsWhatTheGeneratorWroteAndReportsAFileThatCannotBeOpened) {
    const auto map = std::filesystem::temp_directory_path() / ("kz-scan-" + std::to_string(::getpid()));
    std::filesystem::create_directories(map);
    const auto pad = (map / "vondsten.gpx").string();
    NlMasker nl;
    leesnl(nl);
    std::size_t heel = 0, aantal = 0;
    for (const gpxgen::Opties o : {gpxgen::Opties{.zaad = 9, .vondsten = 300, .zeevondsten = 2, .buitenRaster = 3},
                                   gpxgen::Opties{.zaad = 10, .doelBytes = 5 << 20, .lf = true, .tabs = true}}) {
        gpxgen::Samenvatting s, g;
        ASSERT_FALSE(gpxgen::schrijfBestand(pad, o, &s));
        std::ifstream in(pad, std::ios::binary);
        const std::string inhoud(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(gpxgen::genereer(o), inhoud);
        EXPECT_NE(gpxgen::genereer({.zaad = o.zaad + 1, .vondsten = 300}), inhoud);
        EXPECT_TRUE(scanBestand(pad, [&](const Waypoint& w) {
            ++g.vondsten;
            if (!w.isnl) return;
            ++g.nederland;
            g.nlPerJaar.at(std::size_t(w.jaargev - gpxgen::Samenvatting::eersteJaar))++;
            if (!inRaster(w.vak.rij, w.vak.kolom)) return void(++g.buitenRaster);
            g.nlPerVak[std::size_t(vakindex(w.vak.rij, w.vak.kolom))]++;
            g.zeevondsten += !nl(w.vak.rij, w.vak.kolom);
        }));
        EXPECT_EQ(std::tuple(inhoud.size(), std::size_t(std::count(inhoud.begin(), inhoud.end(), '\n')), g.vondsten,
                             g.nederland, g.nlPerJaar, g.nlPerVak, g.zeevondsten, g.buitenRaster),
                  std::tuple(s.bytes, s.regels, s.vondsten, s.nederland, s.nlPerJaar, s.nlPerVak, o.zeevondsten,
                             o.buitenRaster));
        heel = s.vondsten;
    }
    EXPECT_TRUE(scanBestand(pad, [&](const Waypoint&) {
        if (++aantal == heel / 2) std::filesystem::resize_file(pad, 1 << 20);
    }));
    EXPECT_GE(aantal, heel / 2);
    EXPECT_LT(aantal, heel);

    aantal = 0;
    EXPECT_FALSE(scanBestand((map / "weg.gpx").string(), [&](const Waypoint&) { ++aantal; }));
    EXPECT_FALSE(scanBestand(map.string(), [&](const Waypoint&) { ++aantal; }));
    EXPECT_EQ(aantal, 0u);
    std::filesystem::remove_all(map);
}

} // namespace
} // namespace kz
