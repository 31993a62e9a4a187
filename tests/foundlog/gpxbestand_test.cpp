// SPDX-License-Identifier: GPL-3.0-or-later
// The file reader on the system's files, and on sources that fail or are stopped.
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/kern.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

class Bestand : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(map_); }
    void TearDown() override { fs::remove_all(map_); }

    // Paths in UTF-8, as the program hands them on (on Windows not the narrow encoding).
    std::string pad(const std::string& naam) const {
        const std::u8string p = (map_ / naam).u8string();
        return std::string(p.begin(), p.end());
    }
    std::string schrijf(const std::string& naam, const std::string& inhoud) const {
        std::ofstream(map_ / naam, std::ios::binary) << inhoud;
        return pad(naam);
    }
    // The waypoints read, calling bij(n) after the n-th; the reason of a failure in fout.
    std::vector<Waypoint> lees(const std::string& p, int& fout, const std::function<void(std::size_t)>& bij = {}) const {
        std::vector<Waypoint> uit;
        GpxBestand bestand(p);
        const bool gelezen = bestand.open() && bestand.scan([&](const Waypoint& w) {
            uit.push_back(w);
            if (bij) bij(uit.size());
        });
        fout = bestand.fout();
        EXPECT_EQ(gelezen, fout == 0);
        return uit;
    }

private:
    fs::path map_ = fs::temp_directory_path() / ("kz-bestand-" + std::to_string(::getpid()));
};

// A pipe without a writer too, which would wait.
TEST_F(Bestand, RefusesWhatIsNoRegularFileAtOnceWithTheReason) {
    GpxBestand nietGeopend(pad("weg.gpx"));
    EXPECT_FALSE(nietGeopend.scan([](const Waypoint&) {}));
    EXPECT_NE(nietGeopend.fout(), 0);
    std::vector<std::pair<std::string, int>> gevallen{{pad("weg.gpx"), ENOENT}, {pad(""), EISDIR}};
#if defined(_WIN32)
    // A device, and a pipe that waits for a reader.
    const std::string pijp = "\\\\.\\pipe\\kz-bestand-" + std::to_string(::GetCurrentProcessId());
    const HANDLE server = ::CreateNamedPipeA(pijp.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 4, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    const auto dicht = std::unique_ptr<void, decltype(&::CloseHandle)>(server, &::CloseHandle);
    for (const std::string& apparaat : {std::string("NUL"), pijp})
        gevallen.emplace_back(apparaat, ENODEV);
#else
    gevallen.emplace_back("/dev/null", ENODEV);
    if (::mkfifo(pad("pijp.gpx").c_str(), 0600) != 0) GTEST_SKIP() << "geen named pipe: " << std::strerror(errno);
    gevallen.emplace_back(pad("pijp.gpx"), ENODEV);
#endif
    for (const auto& [p, reden] : gevallen) {
        int fout = 0;
        EXPECT_TRUE(lees(p, fout).empty()) << p;
        EXPECT_EQ(fout, reden) << p;
    }
}

// Read until a read finds nothing more; every line one the file held, none skipped or joined.
TEST_F(Bestand, AGrowingFileIsReadOnAndOneThatShrinksEndsWhereItWasCut) {
    const std::string begin = test::Gpx().wpt("52.37", "4.89", 2008).tekst();
    const std::string erbij = test::Gpx::waypoint("51.5", "5.5", "2009") + test::Gpx::waypoint("53.1", "6.1", "2010");
    const std::string groeit = schrijf("groeit.gpx", begin);
    int fout = -1;
    std::vector<Waypoint> uit = lees(groeit, fout, [&](std::size_t n) {
        if (n == 1) std::ofstream(groeit, std::ios::binary | std::ios::app) << erbij;
    });
    EXPECT_EQ(fout, 0);
    EXPECT_TRUE(test::zelfde(uit, test::referentie(begin + erbij))); // all three

    test::Gpx lang;
    for (int i = 0; i < 30000; ++i) lang.in(i % 1316, 2001 + i % 15);
    const std::string tekst = lang.tekst();
    const std::size_t buffer = GpxBestand::buffergrootte(tekst.size()), tot = buffer + buffer / 2 + 7;
    const std::string krimpt = schrijf("krimpt.gpx", tekst);
    uit = lees(krimpt, fout, [&](std::size_t n) {
        if (n == 1) fs::resize_file(krimpt, tot);
    });
    EXPECT_EQ(fout, 0);
    EXPECT_TRUE(test::zelfde(uit, test::referentie(std::string_view(tekst).substr(0, tot))));
}

// What was handed on before stands; the waypoint still open is not handed on.
TEST(Lezen, AReadThatFailsEndsTheScanAsFailedWithTheReason) {
    const std::string tekst = test::Gpx().wpt("52.37", "4.89", 2008).wpt("51.5", "5.5", 2009).tekst();
    for (const std::size_t bij : {std::size_t{0}, tekst.find("<wpt lat=\"51.5\"") + 20}) {
        auto b = std::make_unique<test::GeheugenBron>(tekst, std::vector<std::size_t>{7, 65536, 1, 300000});
        b->foutBij = bij;
        GpxBestand bestand(std::move(b));
        std::vector<Waypoint> uit;
        EXPECT_TRUE(bestand.open());
        EXPECT_TRUE(!bestand.scan([&](const Waypoint& w) { uit.push_back(w); }) && bestand.fout() == EIO);
        EXPECT_EQ(uit.size(), bij == 0 ? 0u : 1u);
    }
}

} // namespace
} // namespace kz
