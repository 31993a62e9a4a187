// The batch mode given hostile input: files that are empty, huge, not text, not files,
// shrinking under the reader, crowded with warnings or counts beyond 16 bits, and a
// bitmap that cannot be written. The program must end, with the right counts, in
// bounded memory, and never damage an earlier bitmap.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gpxgen.h"
#include "proces.h"

namespace fs = std::filesystem;
using kz::proces::Uitkomst;
using kz::proces::regels;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Eq;
using ::testing::IsEmpty;

namespace {

constexpr long long gigabyte = 1LL << 30;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool onderAsan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool onderAsan = true;
#else
constexpr bool onderAsan = false;
#endif
#else
constexpr bool onderAsan = false;
#endif

// One complete waypoint in the form the program reads, CRLF line ends.
std::string waypoint(const std::string& lat, const std::string& lon, const std::string& jaar,
                     const std::string& land = "Netherlands") {
    return "<wpt lat=\"" + lat + "\" lon=\"" + lon + "\">\r\n  <gsak:UserFound>" + jaar +
           "-05-17</gsak:UserFound>\r\n  <groundspeak:country>" + land + "</groundspeak:country>\r\n</wpt>\r\n";
}

std::string leesBestand(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void schrijfBestand(const fs::path& pad, const std::string& inhoud) {
    std::ofstream uit(pad, std::ios::binary);
    uit << inhoud;
    ASSERT_TRUE(uit.good()) << pad;
}

// The value after "prefix" on the line of standard output that starts with it.
std::string waarde(const std::string& uit, const std::string& voorvoegsel) {
    for (const std::string& r : regels(uit))
        if (r.rfind(voorvoegsel, 0) == 0) return r.substr(voorvoegsel.size());
    return "<geen regel '" + voorvoegsel + "'>";
}

std::string fakeMelding(const std::string& lat, const std::string& lon) {
    return "Fake?: Een cache met de coordinaten: N" + lat + "  E" + lon +
           " ligt in een 'fake'-gebied. Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in "
           "dit gebied wel een cache gevonden is.";
}

std::string verdwaaldMelding(const std::string& lat, const std::string& lon) {
    return "Verdwaald?: Een cache met de coordinaten: N" + lat + "  E" + lon +
           " ligt buiten het gedefinieerde gebied voor Nederland. Mail naar kavelzicht@example.org en stuur uw "
           "GPX-bestand indien u meent dat in dit gebied wel een Nederlandse cache gevonden is.";
}

class Vijandig : public ::testing::Test {
protected:
    void SetUp() override {
        std::string sjabloon = (fs::temp_directory_path() / "kz-vijandig-XXXXXX").string();
        ASSERT_NE(::mkdtemp(sjabloon.data()), nullptr);
        map_ = fs::canonical(sjabloon);
    }
    void TearDown() override {
        std::error_code fout;
        fs::permissions(map_ / "alleenlezen", fs::perms::owner_all, fout);
        fs::remove_all(map_, fout);
    }

    kz::proces::Opties opties(std::vector<std::string> argumenten) const {
        kz::proces::Opties o;
        o.argumenten = std::move(argumenten);
        o.map = map_.string();
        // Under AddressSanitizer a small quarantine of freed memory keeps the runs with
        // many warnings quick; elsewhere the setting is ignored.
        const char* asan = std::getenv("ASAN_OPTIONS");
        o.omgeving.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":quarantine_size_mb=8");
        return o;
    }
    Uitkomst draai(std::vector<std::string> argumenten) const {
        return kz::proces::draai(KZ_PROGRAMMA, opties(std::move(argumenten)));
    }

    // Peak memory of a run on an empty file: what the program needs without any input.
    long basisPiekKb() {
        schrijfBestand(map_ / "basis.gpx", "");
        const Uitkomst u = draai({"--uitvoer", "basis.bmp", "basis.gpx"});
        EXPECT_EQ(u.status, 0) << u.fout;
        fs::remove(map_ / "basis.gpx");
        fs::remove(map_ / "basis.bmp");
        return u.piekKb;
    }

    fs::path map_;
};

// No waypoint at all, whether the file is empty or one line of a gigabyte: every count
// is zero, no warning, and the long line costs no memory beyond the program's own.
TEST_F(Vijandig, EmptyFileAndGigabyteWithoutLineEndGiveZeroCountsInBoundedMemory) {
    schrijfBestand(map_ / "leeg.gpx", "");
    const Uitkomst leeg = draai({"leeg.gpx"});
    ASSERT_EQ(leeg.status, 0) << leeg.fout;
    EXPECT_EQ(leeg.fout, "");
    EXPECT_EQ(waarde(leeg.uit, "Aantal gevonden caches: "), "0");
    EXPECT_EQ(waarde(leeg.uit, "Aantal gevonden Nederlandse caches: "), "0");
    EXPECT_EQ(waarde(leeg.uit, "Bezochte cache-regio: "), "0 0.0%");
    EXPECT_TRUE(fs::is_regular_file(map_ / "Kavelzicht.bmp"));

    // A sparse file: a waypoint's first line that runs on for a gigabyte of NUL bytes.
    const fs::path groot = map_ / "groot.gpx";
    {
        const int fd = ::open(groot.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string begin = "<wpt lat=\"52.37\" lon=\"4.89\">";
        ASSERT_EQ(::write(fd, begin.data(), begin.size()), ssize_t(begin.size()));
        ASSERT_EQ(::ftruncate(fd, gigabyte), 0);
        ::close(fd);
    }
    const Uitkomst g = draai({"--uitvoer", "groot.bmp", "groot.gpx"});
    fs::remove(groot);
    ASSERT_EQ(g.status, 0) << g.fout;
    EXPECT_EQ(g.fout, "");
    EXPECT_EQ(regels(g.uit).size(), regels(leeg.uit).size());
    EXPECT_EQ(waarde(g.uit, "Aantal gevonden caches: "), "0");
    EXPECT_EQ(waarde(g.uit, "Aantal gevonden Nederlandse caches: "), "0");
    EXPECT_EQ(waarde(g.uit, "Bezochte cache-regio: "), "0 0.0%");
    EXPECT_LT(g.piekKb - leeg.piekKb, 48 * 1024) << "peak " << g.piekKb << " KB against " << leeg.piekKb << " KB";
}

// NUL bytes and invalid UTF-8 are lines like any other: between and inside the waypoints
// of a real export they change nothing, and inside the recognised lines they end a
// number or spoil a match as any other stray character would.
TEST_F(Vijandig, BytesThatAreNoTextChangeNothingButTheLinesTheySpoil) {
    kz::gpxgen::Opties go;
    go.zaad = 11;
    go.vondsten = 120;
    go.kort = true;
    go.zeevondsten = 2;
    go.buitenRaster = 1;
    const std::string schoon = kz::gpxgen::genereer(go);
    ASSERT_FALSE(schoon.empty());
    schrijfBestand(map_ / "schoon.gpx", schoon);

    const std::vector<std::string> rommel = {
        std::string("\0\0\0\0", 4),
        "\xc0\xaf\xed\xa0\x80\xff\xfe",
        std::string("  \x80\x80\0<", 6),
        std::string(9000, '\0'),
        "<\xff\xfe<wpt lat=\"52.1\" lon=\"4.1\">",
        std::string("\0<gsak:UserFound>2009", 21),
    };
    std::string vies = "\xff\xfe" + std::string("\0<\0g\0p\0x\0\r\n", 11);
    std::size_t k = 0;
    for (std::size_t b = 0; b < schoon.size();) {
        const std::size_t e = schoon.find("\r\n", b);
        const std::size_t eind = e == std::string::npos ? schoon.size() : e + 2;
        const std::string r = schoon.substr(b, eind - b);
        vies += r;
        // After each waypoint's first line and after its end: junk, a line of its own.
        if (r.rfind("<wpt lat=", 0) == 0 || r == "</wpt>\r\n") vies += rommel[k++ % rommel.size()] + "\r\n";
        b = eind;
    }
    vies += std::string("\xff\0\xfe", 3); // and a last line without a line end
    schrijfBestand(map_ / "vies.gpx", vies);

    const Uitkomst s = draai({"schoon.gpx"});
    const Uitkomst v = draai({"vies.gpx"});
    ASSERT_EQ(s.status, 0) << s.fout;
    ASSERT_EQ(v.status, 0) << v.fout;
    EXPECT_EQ(v.uit, s.uit);
    EXPECT_EQ(v.fout, s.fout);
    EXPECT_EQ(waarde(v.uit, "Aantal gevonden caches: "), "120");
    EXPECT_GE(regels(v.fout).size(), 3u); // the sea and outside finds, and any that chance put in a sea cell

    // Inside the recognised lines.
    std::string kapot;
    kapot += waypoint(std::string("5\0" "2.37", 6), "4.89", "2009");       // latitude stops at NUL: 5
    kapot += waypoint("52.37", "\xff" "4.89", "2009");                     // longitude unreadable: 0
    kapot += waypoint("52.37", "4.89", std::string("\0" "2009", 5));       // no found year
    kapot += waypoint("52.37", "4.89", "2009", std::string("Nether\0lands", 12)); // not Dutch
    std::string utf16; // a whole waypoint in UTF-16: nothing of it is recognised
    for (char c : waypoint("52.37", "4.89", "2009")) utf16 += std::string{c, '\0'};
    kapot += utf16;
    schrijfBestand(map_ / "kapot.gpx", kapot);
    const Uitkomst u = draai({"kapot.gpx"});
    ASSERT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden caches: "), "3");
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden Nederlandse caches: "), "2");
    EXPECT_EQ(waarde(u.uit, "Bezochte cache-regio: "), "0 0.0%");
    EXPECT_THAT(regels(u.fout), ElementsAre(verdwaaldMelding("5", "4.89"), verdwaaldMelding("52.37", "0")));
}

// A folder, a device that never ends and a named pipe without a writer, each chosen as
// the GPX file: the run ends at once with the read error and writes no bitmap.
TEST_F(Vijandig, ChosenFileThatIsNoRegularFileIsRefusedWithoutWaiting) {
    fs::create_directory(map_ / "x.gpx");
    fs::create_symlink("/dev/zero", map_ / "nul.gpx");
    ASSERT_EQ(::mkfifo((map_ / "pijp.gpx").c_str(), 0644), 0);
    for (const char* naam : {"x.gpx", "nul.gpx", "pijp.gpx"}) {
        SCOPED_TRACE(naam);
        kz::proces::Opties o = opties({naam});
        o.limiet = std::chrono::seconds(20);
        const Uitkomst u = kz::proces::draai(KZ_PROGRAMMA, o);
        EXPECT_FALSE(u.verlopen);
        EXPECT_EQ(u.status, 1);
        EXPECT_EQ(u.uit, "");
        EXPECT_EQ(u.fout, "Fout: Het GPX-bestand kan niet worden geopend: " + (map_ / naam).string() + "\n");
    }
    EXPECT_TRUE(fs::is_directory(map_ / "x.gpx"));
    EXPECT_FALSE(fs::exists(map_ / "Kavelzicht.bmp"));
}

// The file is cut short while the program reads it, below the point it has reached:
// the scan ends there, with the counts of what it read, and nothing breaks.
TEST_F(Vijandig, FileThatShrinksWhileReadEndsTheScanWithWhatWasRead) {
    kz::gpxgen::Opties go;
    go.zaad = 23;
    go.vondsten = 100;
    go.kort = true;
    go.zeevondsten = 1;
    kz::gpxgen::Samenvatting sam;
    const std::string kop = kz::gpxgen::genereer(go, &sam);
    ASSERT_LT(kop.size(), 1u << 20);
    schrijfBestand(map_ / "kop.gpx", kop);
    const Uitkomst verwacht = draai({"--uitvoer", "kop.bmp", "kop.gpx"});
    ASSERT_EQ(verwacht.status, 0) << verwacht.fout;
    ASSERT_EQ(waarde(verwacht.uit, "Aantal gevonden caches: "), std::to_string(sam.vondsten));

    // The export followed by a sparse tail of 4 GB, far more than the program reads
    // before it is stopped.
    const fs::path pad = map_ / "krimp.gpx";
    schrijfBestand(pad, kop);
    ASSERT_EQ(::truncate(pad.c_str(), 4 * gigabyte), 0);

    kz::proces::Proces p(KZ_PROGRAMMA, opties({"--uitvoer", "kop.bmp", "krimp.gpx"}));
    const std::string fdMap = "/proc/" + std::to_string(p.pid()) + "/fd";
    auto leesPositie = [&]() -> long long {
        std::error_code fout;
        for (const auto& item : fs::directory_iterator(fdMap, fout)) {
            if (fs::read_symlink(item.path(), fout) != pad) continue;
            std::ifstream info("/proc/" + std::to_string(p.pid()) + "/fdinfo/" + item.path().filename().string());
            std::string sleutel;
            long long positie = -1;
            while (info >> sleutel)
                if (sleutel == "pos:" && info >> positie) return positie;
        }
        return -1;
    };
    // Once the reader is past the export, stop it, cut the file below its position and
    // let it go on.
    bool gestopt = false;
    const auto tot = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!gestopt && std::chrono::steady_clock::now() < tot) {
        siginfo_t info{};
        if (::waitid(P_PID, id_t(p.pid()), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0) break;
        if (leesPositie() >= (1 << 20)) {
            ASSERT_EQ(::kill(p.pid(), SIGSTOP), 0);
            ASSERT_EQ(::waitid(P_PID, id_t(p.pid()), &info, WSTOPPED | WEXITED | WNOWAIT), 0);
            ASSERT_EQ(info.si_code, CLD_STOPPED) << "the program ended before the file could shrink";
            gestopt = true;
        }
    }
    ASSERT_TRUE(gestopt) << "the program never got past the export";
    const long long positie = leesPositie();
    EXPECT_GT(positie, static_cast<long long>(kop.size()));
    EXPECT_LT(positie, 4 * gigabyte);
    ASSERT_EQ(::truncate(pad.c_str(), static_cast<off_t>(kop.size()) / 2), 0);
    ASSERT_EQ(::kill(p.pid(), SIGCONT), 0);
    const Uitkomst u = p.wacht();
    fs::remove(pad);

    EXPECT_FALSE(u.verlopen);
    EXPECT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.uit, verwacht.uit);
    EXPECT_EQ(u.fout, verwacht.fout);
}

// A hundred thousand Dutch finds in one sea cell: one warning line each, in full, and
// the warnings are written as they come, not gathered in memory.
TEST_F(Vijandig, HundredThousandFakeFindsGiveAWarningLineEach) {
    constexpr int aantal = 100000;
    {
        // Written piece by piece: the test holds no large buffer when the child starts.
        std::ofstream uit(map_ / "zee.gpx", std::ios::binary);
        const std::string een = waypoint("53.45", "3.36", "2009");
        for (int i = 0; i < aantal; ++i) uit << een;
        ASSERT_TRUE(uit.good());
    }
    const long basis = basisPiekKb();
    const Uitkomst u = draai({"--jaren", "2009,2010,2011", "zee.gpx"});
    ASSERT_EQ(u.status, 0) << u.fout.substr(0, 500);
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden caches: "), "100000");
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden Nederlandse caches: "), "100000");
    EXPECT_EQ(waarde(u.uit, "Gevonden cache in 'fake'-Regio ("), "1)");
    EXPECT_EQ(waarde(u.uit, "Bezochte cache-regio: "), "0 0.0%");
    const std::vector<std::string> meldingen = regels(u.fout);
    EXPECT_EQ(meldingen.size(), std::size_t(aantal));
    EXPECT_THAT(meldingen, Each(Eq(fakeMelding("53.45", "3.36"))));
    EXPECT_EQ(u.fout.back(), '\n');
    // AddressSanitizer keeps freed memory for a while, so only a plain build says what
    // the program itself holds on to.
    if (!onderAsan) {
        EXPECT_LT(u.piekKb - basis, 16 * 1024) << "peak " << u.piekKb << " KB against " << basis << " KB";
    }
}

// Counts that no longer fit 16 bits, in one cell and over the whole map, with the
// shading on: the cells stay visited, the totals exact.
TEST_F(Vijandig, CountsAbove32767InOneCellAndInTotalStayExact) {
    {
        std::ofstream uit(map_ / "veel.gpx", std::ios::binary);
        const std::string amsterdam = waypoint("52.37", "4.89", "2009");
        for (int i = 0; i < 40000; ++i) uit << amsterdam;
        // 20,000 more spread over four other Dutch cells, and 2,000 in Belgium.
        const std::vector<std::string> elders = {waypoint("51.55", "5.55", "2010"), waypoint("52.09", "5.12", "2010"),
                                                 waypoint("53.21", "6.56", "2010"), waypoint("51.92", "4.48", "2010")};
        for (int i = 0; i < 20000; ++i) uit << elders[std::size_t(i % 4)];
        const std::string belgie = waypoint("51.2", "4.4", "2010", "Belgium");
        for (int i = 0; i < 2000; ++i) uit << belgie;
        ASSERT_TRUE(uit.good());
    }
    const Uitkomst u = draai({"--kleurschakering", "--jaren", "2011,2009,2010", "veel.gpx"});
    ASSERT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.fout, "");
    EXPECT_EQ(waarde(u.uit, "Bezochte cache-regio: "), "5 0.8%");
    EXPECT_EQ(waarde(u.uit, "Nog niet bezochte cache-regio: "), "622 99.2%");
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden Nederlandse caches: "), "60000");
    EXPECT_EQ(waarde(u.uit, "Aantal gevonden caches: "), "62000");
    EXPECT_EQ(waarde(u.uit, "2009: "), "1 (1)");
    EXPECT_EQ(waarde(u.uit, "2010: "), "4 (4)");
    EXPECT_EQ(waarde(u.uit, "2011: "), "0 (0)");
}

// Every way of failing to write the bitmap ends in the error and exit status 1 and
// leaves whatever stood at that path as it was, with no temporary file left behind.
TEST_F(Vijandig, BitmapThatCannotBeWrittenLeavesTheOldOneIntact) {
    schrijfBestand(map_ / "een.gpx", waypoint("52.37", "4.89", "2009"));
    const std::string oud = "BM oude afbeelding";
    const std::string melding = "Fout: Het overzicht kan niet worden opgeslagen als ";
    auto inhoud = [&] {
        std::vector<std::string> namen;
        for (const auto& item : fs::recursive_directory_iterator(map_))
            namen.push_back(fs::relative(item.path(), map_).string());
        std::sort(namen.begin(), namen.end());
        return namen;
    };
    auto controleer = [&](const Uitkomst& u, const fs::path& doel) {
        EXPECT_EQ(u.status, 1);
        EXPECT_EQ(regels(u.uit).size(), 9u); // the statistics, but no "Overzicht opgeslagen als"
        EXPECT_THAT(regels(u.fout), ElementsAre(melding + doel.string()));
    };

    // The disk is full: the new bitmap cannot be written completely.
    schrijfBestand(map_ / "Kavelzicht.bmp", oud);
    const std::vector<std::string> voor = inhoud();
    {
        kz::proces::Opties o = opties({"een.gpx"});
        o.maxBestand = 64 * 1024;
        controleer(kz::proces::draai(KZ_PROGRAMMA, o), map_ / "Kavelzicht.bmp");
        EXPECT_EQ(leesBestand(map_ / "Kavelzicht.bmp"), oud);
        EXPECT_EQ(inhoud(), voor);
    }

    // The path is a folder, or lies under a file.
    fs::create_directory(map_ / "map.bmp");
    schrijfBestand(map_ / "map.bmp" / "binnen.txt", oud);
    controleer(draai({"--uitvoer", "map.bmp", "een.gpx"}), map_ / "map.bmp");
    EXPECT_EQ(leesBestand(map_ / "map.bmp" / "binnen.txt"), oud);
    schrijfBestand(map_ / "gewoon.txt", oud);
    controleer(draai({"--uitvoer", "gewoon.txt/Kavelzicht.bmp", "een.gpx"}), map_ / "gewoon.txt" / "Kavelzicht.bmp");
    EXPECT_EQ(leesBestand(map_ / "gewoon.txt"), oud);

    // A folder without write permission (only when permissions stop this user).
    if (::geteuid() != 0) {
        fs::create_directory(map_ / "alleenlezen");
        schrijfBestand(map_ / "alleenlezen" / "Kavelzicht.bmp", oud);
        fs::permissions(map_ / "alleenlezen", fs::perms::owner_read | fs::perms::owner_exec);
        controleer(draai({"--uitvoer", "alleenlezen/Kavelzicht.bmp", "een.gpx"}), map_ / "alleenlezen" / "Kavelzicht.bmp");
        fs::permissions(map_ / "alleenlezen", fs::perms::owner_all);
        EXPECT_EQ(leesBestand(map_ / "alleenlezen" / "Kavelzicht.bmp"), oud);
        EXPECT_THAT(inhoud(), Contains("alleenlezen/Kavelzicht.bmp"));
    }
    EXPECT_EQ(leesBestand(map_ / "Kavelzicht.bmp"), oud);
}

} // namespace
