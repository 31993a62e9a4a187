// SPDX-License-Identifier: GPL-3.0-or-later
// The file reader on both kinds of file access, with the same tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "foundlog/gpxbestand.h"
#include "support/geheugenbron.h"
#include "support/gpx.h"
#include "support/referentie.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

class Bestand : public ::testing::TestWithParam<Bron::Soort> {
protected:
    void SetUp() override { fs::create_directories(map_); }
    void TearDown() override { fs::remove_all(map_); }

    std::string pad(const std::string& naam) const { return (map_ / naam).string(); }
    std::string schrijf(const std::string& naam, const std::string& inhoud) const {
        std::ofstream(pad(naam), std::ios::binary) << inhoud;
        return pad(naam);
    }
    // The waypoints read, calling bij(n) after the n-th; the reason of a failure in fout.
    std::vector<Waypoint> lees(const std::string& p, int& fout, const std::function<void(std::size_t)>& bij = {}) const {
        std::vector<Waypoint> uit;
        GpxBestand bestand(p, GetParam());
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
INSTANTIATE_TEST_SUITE_P(Soorten, Bestand, ::testing::Values(Bron::Soort::posix, Bron::Soort::portabel),
                         [](const auto& info) { return info.param == Bron::Soort::posix ? "posix" : "portabel"; });

TEST_P(Bestand, RefusesWhatIsNoRegularFileAtOnceWithTheReason) {
    int fout = 0;
    EXPECT_TRUE(lees(pad("weg.gpx"), fout).empty());
    EXPECT_EQ(fout, ENOENT);
    EXPECT_TRUE(lees(pad(""), fout).empty());
    EXPECT_EQ(fout, EISDIR);
    EXPECT_TRUE(lees("/dev/null", fout).empty());
    EXPECT_EQ(fout, ENODEV);
#if !defined(_WIN32)
    if (::mkfifo(pad("pijp.gpx").c_str(), 0600) != 0) GTEST_SKIP() << "geen named pipe: " << std::strerror(errno);
    EXPECT_TRUE(lees(pad("pijp.gpx"), fout).empty());
    EXPECT_EQ(fout, ENODEV);
#endif

    GpxBestand nietGeopend(pad("weg.gpx"), GetParam());
    EXPECT_FALSE(nietGeopend.scan([](const Waypoint&) {}));
    EXPECT_NE(nietGeopend.fout(), 0);
}

// Read until a read finds nothing more; every line one the file held, none skipped or joined.
TEST_P(Bestand, AnEmptyFileALargeOneOrAGrowingOneIsReadOnAndOneThatShrinksEndsWhereItWasCut) {
    const std::string begin = test::Gpx().wpt("52.37", "4.89", 2008).tekst();
    const std::string erbij = test::Gpx::waypoint("51.5", "5.5", "2009") + test::Gpx::waypoint("53.1", "6.1", "2010");
    const std::string groeit = schrijf("groeit.gpx", begin);
    int fout = -1;
    EXPECT_TRUE(lees(schrijf("leeg.gpx", ""), fout).empty());
    EXPECT_EQ(fout, 0);
    std::vector<Waypoint> uit = lees(groeit, fout, [&](std::size_t n) {
        if (n == 1) std::ofstream(groeit, std::ios::binary | std::ios::app) << erbij;
    });
    EXPECT_EQ(fout, 0);
    EXPECT_EQ(uit.size(), 3u);
    EXPECT_TRUE(test::zelfde(uit, test::referentie(begin + erbij)));

    test::Gpx lang;
    for (int i = 0; i < 30000; ++i) lang.in(i % 1316, 2001 + i % 15);
    const std::string tekst = lang.tekst();
    const std::size_t buffer = GpxBestand::buffergrootte(tekst.size()), tot = buffer + buffer / 2 + 7;
    ASSERT_GT(tekst.size(), std::size_t{4} << 20); // read on two threads
    const std::string krimpt = schrijf("krimpt.gpx", tekst);
    EXPECT_TRUE(test::zelfde(lees(krimpt, fout), test::referentie(tekst)));
    EXPECT_EQ(fout, 0);
    uit = lees(krimpt, fout, [&](std::size_t n) {
        if (n == 1) fs::resize_file(krimpt, tot);
    });
    EXPECT_EQ(fout, 0);
    // A file this large is read on two threads: pieces after the cut may have been read
    // before it (the second thread is up to three pieces ahead), and a read at the moment
    // of the cut ends anywhere in between. Every waypoint but the last, which the cut may
    // have cut short, is the file's own, in order.
    const std::vector<Waypoint> heel = test::referentie(tekst);
    EXPECT_GE(uit.size(), test::referentie(std::string_view(tekst).substr(0, tot)).size());
    EXPECT_LE(uit.size(), test::referentie(std::string_view(tekst).substr(0, 3 * buffer)).size());
    ASSERT_FALSE(uit.empty());
    EXPECT_TRUE(std::equal(uit.begin(), uit.end() - 1, heel.begin(), [](const Waypoint& a, const Waypoint& b) {
        return test::zelfde(a, b);
    }));
}

// A large file is read on two threads; a source that cannot be read by place (the inside
// of an archive) on one. The scan ends in the same ways (the file tests above, the
// scanner's tests and the fuzzer check what is read).
class Vooruit : public ::testing::TestWithParam<bool> {
protected:
    static const std::string& groot() {
        static const std::string tekst = [] {
            test::Gpx g;
            for (int i = 0; i < 40000; ++i) g.in(i % 1316, 2001 + i % 15);
            return g.tekst();
        }();
        return tekst;
    }
    std::unique_ptr<test::GeheugenBron> bron(std::string tekst) const {
        auto b = std::make_unique<test::GeheugenBron>(std::move(tekst), std::vector<std::size_t>{7, 65536, 1, 300000});
        b->opPlek = GetParam();
        return b;
    }
};
INSTANTIATE_TEST_SUITE_P(OpPlek, Vooruit, ::testing::Bool());

// What was handed on before stands; the waypoint still open is not handed on.
TEST_P(Vooruit, AReadThatFailsEndsTheScanAsFailedWithTheReason) {
    const std::string tekst = test::Gpx().wpt("52.37", "4.89", 2008).wpt("51.5", "5.5", 2009).tekst();
    for (const std::size_t bij : {std::size_t{0}, tekst.find("<wpt lat=\"51.5\"") + 20}) {
        auto b = bron(tekst);
        b->foutBij = bij;
        GpxBestand bestand(std::move(b));
        bestand.leesVooruitIn(64);
        std::vector<Waypoint> uit;
        EXPECT_TRUE(bestand.open());
        EXPECT_FALSE(bestand.scan([&](const Waypoint& w) { uit.push_back(w); }));
        EXPECT_EQ(bestand.fout(), EIO);
        EXPECT_EQ(uit.size(), bij == 0 ? 0u : 1u);
    }
}

// Stopped while the reader waits for room: the scan ends at once, and the thread with it.
TEST_P(Vooruit, AScanThatIsStoppedEndsWithoutReadingOn) {
    ASSERT_GT(groot().size(), std::size_t{4} << 20); // read on two threads when it can be
    GpxBestand bestand(bron(groot()));
    std::uint64_t gezien = 0;
    bestand.zetVoortgang([&](std::uint64_t gelezen, std::uint64_t) {
        gezien = gelezen;
        return gelezen < 400000;
    });
    EXPECT_FALSE(bestand.scan([](const Waypoint&) {}));
    EXPECT_EQ(bestand.fout(), ECANCELED);
    EXPECT_GE(gezien, 400000u);
    EXPECT_LT(gezien, groot().size());
}

} // namespace
} // namespace kz
