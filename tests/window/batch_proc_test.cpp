// The batch mode of the built program, run as a separate process in a folder of its own
// with a controlled environment: its standard output and error line by line, its exit
// status, and the bitmap it writes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "gpxgen.h"
#include "grid/grid.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Afloop {
    int status = -1;           // exit status, or -1 when it did not exit by itself
    bool bleefDraaien = false; // still running when the time was up, then stopped
    std::string out, err;
};

std::vector<std::string> regels(const std::string& tekst) {
    std::vector<std::string> r;
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) r.push_back(regel);
    return r;
}

// Runs the program with the given arguments in folder `map`, with only the given
// environment (and the sanitizer options of this process, so that a sanitized build
// runs as it is tested). With a time limit the program is stopped when it is still
// running then.
Afloop draai(const std::vector<std::string>& argumenten, std::vector<std::string> omgeving, const fs::path& map,
             int limietMs = 60000) {
    for (const char* naam : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
        if (const char* waarde = std::getenv(naam)) omgeving.push_back(std::string(naam) + "=" + waarde);
    }
    std::vector<std::string> args{KZ_PROGRAMMA};
    args.insert(args.end(), argumenten.begin(), argumenten.end());
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string& e : omgeving) envp.push_back(e.data());
    envp.push_back(nullptr);

    int uit[2], fout[2];
    if (::pipe2(uit, O_CLOEXEC) != 0 || ::pipe2(fout, O_CLOEXEC) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(uit[1], 1);
        ::dup2(fout[1], 2);
        const int niets = ::open("/dev/null", O_RDONLY);
        ::dup2(niets, 0);
        if (::chdir(map.c_str()) == 0) ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(uit[1]);
    ::close(fout[1]);

    Afloop a;
    const auto einde = std::chrono::steady_clock::now() + std::chrono::milliseconds(limietMs);
    pollfd fds[2] = {{uit[0], POLLIN, 0}, {fout[0], POLLIN, 0}};
    std::string* naar[2] = {&a.out, &a.err};
    int open = 2;
    while (open > 0) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(einde - std::chrono::steady_clock::now());
        if (rest.count() <= 0) {
            a.bleefDraaien = true;
            ::kill(pid, SIGKILL);
            break;
        }
        if (::poll(fds, 2, int(rest.count())) < 0) continue;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buf[4096];
            const ssize_t n = ::read(fds[k].fd, buf, sizeof buf);
            if (n > 0) {
                naar[k]->append(buf, std::size_t(n));
            } else {
                ::close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& f : fds) {
        if (f.fd >= 0) ::close(f.fd);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    if (!a.bleefDraaien && WIFEXITED(st)) a.status = WEXITSTATUS(st);
    return a;
}

std::string lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void schrijfBestand(const fs::path& pad, const std::string& inhoud) {
    std::ofstream uit(pad, std::ios::binary);
    uit << inhoud;
}

// A 24-bit BMP as the program writes it: its size and the colour of one pixel.
struct Bmp {
    bool geldig = false;
    int breedte = 0, hoogte = 0;
    std::string data;

    explicit Bmp(const fs::path& pad) : data(lees(pad)) {
        if (data.size() < 54 || data.compare(0, 2, "BM") != 0) return;
        auto int32 = [this](std::size_t o) {
            return int32_t(uint32_t(uint8_t(data[o])) | uint32_t(uint8_t(data[o + 1])) << 8 |
                           uint32_t(uint8_t(data[o + 2])) << 16 | uint32_t(uint8_t(data[o + 3])) << 24);
        };
        breedte = int32(18);
        hoogte = int32(22);
        const int diepte = uint8_t(data[28]) | uint8_t(data[29]) << 8;
        geldig = uint32_t(int32(2)) == data.size() && diepte == 24 && breedte > 0 && hoogte != 0 &&
                 data.size() >= std::size_t(int32(10)) + std::size_t((breedte * 3 + 3) / 4 * 4) * std::abs(hoogte);
        beeldBegin = std::size_t(int32(10));
    }
    // Red, green, blue of pixel (x, y), y counted from the top.
    std::array<int, 3> pixel(int x, int y) const {
        const int rij = hoogte > 0 ? hoogte - 1 - y : y;
        const std::size_t o = beeldBegin + std::size_t(rij) * std::size_t((breedte * 3 + 3) / 4 * 4) + std::size_t(x) * 3;
        return {uint8_t(data[o + 2]), uint8_t(data[o + 1]), uint8_t(data[o])};
    }
    std::size_t beeldBegin = 0;
};

// The middle of a main-map cell in the saved picture: the result panel, the map frame
// and the first cell each start 120 twips (8 pixels) across and 240 (16) down, and cells
// are 8 by 14 pixels.
std::pair<int, int> hoofdkaartPixel(int rij, int kolom) {
    const int i = vakindex(rij, kolom);
    return {24 + 8 * (i % aantalKolommen) + 4, 40 + 14 * (i / aantalKolommen) + 7};
}

std::string waypoint(const std::string& lat, const std::string& lon, const std::string& land,
                     const std::string& gevonden) {
    std::string s = "  <wpt lat=\"" + lat + "\" lon=\"" + lon + "\">\n    <name>GC" + lat + "</name>\n";
    s += "    <groundspeak:cache id=\"1\">\n      <groundspeak:country>" + land + "</groundspeak:country>\n";
    s += "    </groundspeak:cache>\n";
    if (!gevonden.empty()) s += "    <gsak:UserFound>" + gevonden + "</gsak:UserFound>\n";
    return s + "  </wpt>\n";
}

// Amsterdam twice (2008, 2009), Utrecht (2008) and Eindhoven (2014), all Dutch cache
// regions; a Dutch find in a North Sea cell (2009) and one south of the grid (2008); a
// Belgian find; a Dutch waypoint that was never found.
std::string kleineExport() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gpx version=\"1.0\" creator=\"GSAK\">\n" +
           waypoint("52.37", "4.89", "Netherlands", "2008-05-01") +
           waypoint("52.371", "4.891", "Netherlands", "2009-06-30") +
           waypoint("52.09", "5.12", "Netherlands", "2008-01-02") +
           waypoint("51.44", "5.48", "Netherlands", "2014-12-31") +
           waypoint("53.45", "3.36", "Netherlands", "2009-03-03") +
           waypoint("50.65", "5.7", "Netherlands", "2008-07-07") +
           waypoint("50.85", "4.35", "Belgium", "2008-08-08") + waypoint("52.0", "5.0", "Netherlands", "") +
           "</gpx>\n";
}

const char* const nederlands = "LANG=nl_NL.UTF-8";
const char* const engels = "LANG=en_US.UTF-8";

class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        std::string sjabloon = (fs::temp_directory_path() / "kz-batch-XXXXXX").string();
        ASSERT_NE(::mkdtemp(sjabloon.data()), nullptr);
        map = sjabloon;
        gpx = map / "gevonden.gpx";
        schrijfBestand(gpx, kleineExport());
    }
    void TearDown() override {
        std::error_code fout;
        fs::remove_all(map, fout);
    }
    std::vector<std::string> omgeving(std::vector<std::string> extra) const {
        extra.push_back("HOME=" + map.string());
        extra.push_back("PATH=/usr/bin:/bin");
        return extra;
    }

    fs::path map;
    fs::path gpx;
};

TEST_F(Batch, ResultaatRegelsMeldingenEnAfbeelding) {
    fs::create_directories(map / "uit");
    schrijfBestand(map / "uit" / "kaart.bmp", "een oud bestand dat vervangen wordt");

    // Years in any order, shading on, the bitmap in a folder of the working folder.
    const Afloop a = draai({"--jaren", "2014,2008,2009", "--kleurschakering", "--uitvoer", "uit/kaart.bmp", gpx},
                           omgeving({nederlands}), map);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_THAT(regels(a.out), ElementsAre("Nog niet bezochte cache-regio: 624 99,5%", "Bezochte cache-regio: 3 0,5%",
                                           "Regio zonder Nederlandse caches (688)",
                                           "Gevonden cache in 'fake'-Regio (1)",
                                           "Aantal gevonden Nederlandse caches: 6", "Aantal gevonden caches: 7",
                                           "2008: 2 (2)", "2009: 1 (0)", "2014: 1 (1)",
                                           "Overzicht opgeslagen als uit/kaart.bmp"));
    EXPECT_THAT(regels(a.err),
                ElementsAre("Fake?: Een cache met de coordinaten: N53,45  E3,36 ligt in een 'fake'-gebied. Mail naar "
                            "kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in dit gebied wel een "
                            "cache gevonden is.",
                            "Verdwaald?: Een cache met de coordinaten: N50,65  E5,7 ligt buiten het gedefinieerde "
                            "gebied voor Nederland. Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u "
                            "meent dat in dit gebied wel een Nederlandse cache gevonden is."));
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
    // The old file was replaced whole, and no temporary file was left beside it.
    const Bmp gekleurd(map / "uit" / "kaart.bmp");
    ASSERT_TRUE(gekleurd.geldig);
    EXPECT_EQ(gekleurd.breedte, 632);
    EXPECT_EQ(std::abs(gekleurd.hoogte), 688);
    EXPECT_EQ(std::distance(fs::directory_iterator(map / "uit"), fs::directory_iterator()), 1);

    // The same years in order, no shading, an English system, the default bitmap name.
    const Afloop b = draai({"--jaren", "2008,2009,2014", gpx}, omgeving({engels}), map);
    EXPECT_EQ(b.status, 0) << b.err;
    const std::vector<std::string> uitB = regels(b.out);
    ASSERT_EQ(uitB.size(), 10u);
    EXPECT_EQ(uitB[0], "Nog niet bezochte cache-regio: 624 99.5%");
    EXPECT_EQ(uitB[1], "Bezochte cache-regio: 3 0.5%");
    EXPECT_EQ(uitB[6], "2008: 2 (2)");
    EXPECT_EQ(uitB[8], "2014: 1 (1)");
    EXPECT_EQ(uitB[9], "Overzicht opgeslagen als Kavelzicht.bmp");
    EXPECT_THAT(b.err, HasSubstr("N53.45  E3.36 ligt in een 'fake'-gebied."));
    const Bmp plat(map / "Kavelzicht.bmp");
    ASSERT_TRUE(plat.geldig);
    EXPECT_EQ(plat.breedte, 632);
    EXPECT_EQ(std::abs(plat.hoogte), 688);

    // Utrecht holds one find: light green with shading, plain green without; Amsterdam
    // (two finds) is green both ways, Eindhoven's neighbour unvisited red, the sea white
    // but for the fake find, blue.
    const auto [ux, uy] = hoofdkaartPixel(520, 61);
    EXPECT_EQ(gekleurd.pixel(ux, uy), (std::array<int, 3>{128, 255, 128}));
    EXPECT_EQ(plat.pixel(ux, uy), (std::array<int, 3>{0, 255, 0}));
    const auto [ax, ay] = hoofdkaartPixel(523, 58);
    EXPECT_EQ(gekleurd.pixel(ax, ay), (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(plat.pixel(ax, ay), (std::array<int, 3>{0, 255, 0}));
    const auto [rx, ry] = hoofdkaartPixel(514, 66);
    EXPECT_EQ(plat.pixel(rx, ry), (std::array<int, 3>{255, 0, 0}));
    const auto [zx, zy] = hoofdkaartPixel(534, 41);
    EXPECT_EQ(plat.pixel(zx, zy), (std::array<int, 3>{255, 255, 255}));
    const auto [fx, fy] = hoofdkaartPixel(534, 40);
    EXPECT_EQ(plat.pixel(fx, fy), (std::array<int, 3>{0, 0, 255}));
}

TEST_F(Batch, ZonderJarenDeJarenVanDeStart) {
    // Start-up selects this year and the two before it, kept within the lists.
    const std::time_t nu = std::time(nullptr);
    std::tm lokaal{};
    ::localtime_r(&nu, &lokaal);
    const int jaar = std::clamp(lokaal.tm_year + 1900, 2003, 2015);

    const Afloop a = draai({gpx}, omgeving({nederlands}), map);
    EXPECT_EQ(a.status, 0) << a.err;
    const std::vector<std::string> uit = regels(a.out);
    ASSERT_EQ(uit.size(), 10u);
    EXPECT_THAT(uit[6], StartsWith(std::to_string(jaar - 2) + ": "));
    EXPECT_THAT(uit[7], StartsWith(std::to_string(jaar - 1) + ": "));
    EXPECT_THAT(uit[8], StartsWith(std::to_string(jaar) + ": "));
    EXPECT_TRUE(Bmp(map / "Kavelzicht.bmp").geldig);
}

TEST_F(Batch, DecimaalTekenVolgtDeLocale) {
    struct Geval {
        std::vector<std::string> omgeving;
        std::string teken;
    };
    const Geval gevallen[] = {
        {{"LANG=nl_NL.UTF-8"}, ","},
        {{"LANG=en_US.UTF-8"}, "."},
        {{"LANG=C"}, "."},
        {{"LC_ALL=nl_NL.UTF-8", "LANG=en_US.UTF-8"}, ","},
        {{"LC_ALL=C", "LANG=nl_NL.UTF-8"}, "."},
        {{"LC_NUMERIC=de_DE.UTF-8", "LANG=en_US.UTF-8"}, ","},
        {{"LC_NUMERIC=en_GB.UTF-8", "LANG=nl_NL.UTF-8"}, "."},
    };
    for (const Geval& g : gevallen) {
        const std::string wie = ::testing::PrintToString(g.omgeving);
        const Afloop a = draai({"--jaren", "2008,2009,2014", gpx}, omgeving(g.omgeving), map);
        EXPECT_EQ(a.status, 0) << wie;
        const std::vector<std::string> uit = regels(a.out);
        ASSERT_GE(uit.size(), 2u) << wie;
        EXPECT_EQ(uit[0], "Nog niet bezochte cache-regio: 624 99" + g.teken + "5%") << wie;
        EXPECT_EQ(uit[1], "Bezochte cache-regio: 3 0" + g.teken + "5%") << wie;
        EXPECT_THAT(a.err, HasSubstr("N53" + g.teken + "45  E3" + g.teken + "36 ")) << wie;
        EXPECT_THAT(a.err, HasSubstr("N50" + g.teken + "65  E5" + g.teken + "7 ")) << wie;
    }
}

TEST_F(Batch, GebruiksfoutenGevenStatusTwee) {
    const std::string f = gpx.string();
    const std::vector<std::vector<std::string>> gevallen = {
        {"--onbekend", f},
        {"-x", f},
        {"--jaren", "2000,2008,2009", f},
        {"--jaren", "2008,2009,2016", f},
        {"--jaren", "2008,2009", f},
        {"--jaren", "2008,2009,2010,2011", f},
        {"--jaren", "2008,,2009", f},
        {"--kleurschakering"},
        {"--jaren", "2008,2009,2010"},
        {f, f},
        {f, "--jaren"},
        {"--uitvoer"},
    };
    for (const auto& args : gevallen) {
        const std::string wie = ::testing::PrintToString(args);
        const Afloop a = draai(args, omgeving({nederlands}), map);
        EXPECT_EQ(a.status, 2) << wie;
        EXPECT_EQ(a.out, "") << wie;
        EXPECT_THAT(a.err, HasSubstr("Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] "
                                     "GPX-BESTAND"))
            << wie;
    }
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
}

TEST_F(Batch, HulpEnVersie) {
    const Afloop hulp = draai({"--help"}, omgeving({nederlands}), map);
    EXPECT_EQ(hulp.status, 0);
    EXPECT_EQ(hulp.err, "");
    EXPECT_THAT(hulp.out, StartsWith("Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] "
                                     "GPX-BESTAND\n"));
    for (const char* optie : {"--jaren", "--kleurschakering", "--uitvoer", "--help", "--version"})
        EXPECT_THAT(hulp.out, HasSubstr(std::string("\n  ") + optie)) << optie;

    const Afloop versie = draai({"--version"}, omgeving({nederlands}), map);
    EXPECT_EQ(versie.status, 0);
    EXPECT_EQ(versie.out, "Kavelzicht 1.0.5\n");
    EXPECT_EQ(versie.err, "");
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
}

TEST_F(Batch, OnleesbareInvoerEnOnschrijfbareAfbeelding) {
    // A file that does not exist, and a folder in place of the file.
    fs::create_directories(map / "map.gpx");
    for (const fs::path& pad : {map / "weg.gpx", map / "map.gpx"}) {
        const Afloop a = draai({pad.string()}, omgeving({nederlands}), map);
        EXPECT_EQ(a.status, 1) << pad;
        EXPECT_EQ(a.out, "") << pad;
        EXPECT_EQ(a.err, "Fout: Het GPX-bestand kan niet worden geopend: " + pad.string() + "\n");
    }

    // A bitmap in a folder that does not exist, and one where a folder stands: the pass
    // runs, but it does not claim to have saved anything.
    fs::create_directories(map / "bezet.bmp");
    for (const fs::path& pad : {map / "nergens" / "x.bmp", map / "bezet.bmp"}) {
        const Afloop a = draai({"--uitvoer", pad.string(), gpx.string()}, omgeving({nederlands}), map);
        EXPECT_EQ(a.status, 1) << pad;
        EXPECT_THAT(a.out, Not(HasSubstr("Overzicht opgeslagen"))) << pad;
        const std::vector<std::string> fout = regels(a.err);
        ASSERT_FALSE(fout.empty()) << pad;
        EXPECT_EQ(fout.back(), "Fout: Het overzicht kan niet worden opgeslagen als " + pad.string());
    }
    EXPECT_FALSE(fs::exists(map / "nergens"));
    EXPECT_TRUE(fs::is_directory(map / "bezet.bmp"));
}

TEST_F(Batch, GegenereerdeExportKloptMetWatErinStaat) {
    gpxgen::Opties opties;
    opties.zaad = 77;
    opties.vondsten = 1500;
    opties.kort = true;
    opties.vanJaar = 2003;
    opties.totJaar = 2015;
    opties.zeevondsten = 5;
    opties.buitenRaster = 3;
    gpxgen::Samenvatting s;
    ASSERT_FALSE(gpxgen::schrijfBestand((map / "groot.gpx").string(), opties, &s));

    NlMasker nl;
    leesnl(nl);
    int bezocht = 0, fakeregio = 0;
    std::size_t fakeVondsten = 0;
    for (int i = 0; i < aantalVakken; ++i) {
        if (s.nlPerVak[i] == 0) continue;
        if (nl(rijVanIndex(i), kolomVanIndex(i))) {
            ++bezocht;
        } else {
            ++fakeregio;
            fakeVondsten += s.nlPerVak[i];
        }
    }

    const Afloop a = draai({"--jaren", "2010,2011,2012", "groot.gpx"}, omgeving({nederlands}), map);
    EXPECT_EQ(a.status, 0) << a.err;
    const std::vector<std::string> uit = regels(a.out);
    ASSERT_EQ(uit.size(), 10u);
    EXPECT_THAT(uit[0], StartsWith("Nog niet bezochte cache-regio: " + std::to_string(627 - bezocht) + " "));
    EXPECT_THAT(uit[1], StartsWith("Bezochte cache-regio: " + std::to_string(bezocht) + " "));
    EXPECT_EQ(uit[2], "Regio zonder Nederlandse caches (" + std::to_string(689 - fakeregio) + ")");
    EXPECT_EQ(uit[3], "Gevonden cache in 'fake'-Regio (" + std::to_string(fakeregio) + ")");
    EXPECT_EQ(uit[4], "Aantal gevonden Nederlandse caches: " + std::to_string(s.nederland));
    EXPECT_EQ(uit[5], "Aantal gevonden caches: " + std::to_string(s.vondsten));

    std::size_t fake = 0, verdwaald = 0;
    for (const std::string& r : regels(a.err)) {
        if (r.rfind("Fake?: ", 0) == 0) ++fake;
        else if (r.rfind("Verdwaald?: ", 0) == 0) ++verdwaald;
        else ADD_FAILURE() << r;
    }
    EXPECT_EQ(fake, fakeVondsten);
    EXPECT_EQ(verdwaald, s.buitenRaster);
    EXPECT_GT(fake, 0u);
}

TEST_F(Batch, ZonderArgumentenOpentHetVenster) {
    const Afloop a = draai({}, omgeving({nederlands, "QT_QPA_PLATFORM=offscreen"}), map, 1000);
    EXPECT_TRUE(a.bleefDraaien) << "status " << a.status << ": " << a.err;
    EXPECT_EQ(a.out, "");
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
}

} // namespace
} // namespace kz
