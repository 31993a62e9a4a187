// The batch mode of the built program, run as a separate process in a folder of its own:
// standard output and error, exit status and the bitmap it writes. What the pass counts
// and colours is proven on the window; here only the contract of the command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QImage>
#include <QImageReader>

#include "support/gpx.h"
#include "support/proces.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using proces::regels;
using proces::Uitkomst;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string gebruik = "Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] GPX-BESTAND";

std::string lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QImage rgb32(const QString& pad) { return QImage(pad).convertToFormat(QImage::Format_RGB32); }

class Batch : public proces::Programma {
protected:
    void SetUp() override {
        // Amsterdam twice (2008, 2009), Utrecht (2008), Eindhoven (2014); Dutch finds in a North
        // Sea cell (2009) and south of the grid; a Belgian find; a Dutch waypoint never found.
        test::Gpx("\n")
            .wpt("52.37", "4.89", 2008).wpt("52.371", "4.891", 2009).wpt("52.09", "5.12", 2008)
            .wpt("51.44", "5.48", 2014).wpt("53.45", "3.36", 2009).wpt("50.65", "5.7", 2008)
            .wpt("50.85", "4.35", 2008, "Belgium").wpt("52.0", "5.0", 0)
            .schrijf(map / "gevonden.gpx");
    }
};

TEST_F(Batch, ResultaatRegelsMeldingenEnAfbeelding) {
    fs::create_directories(map / "uit");
    std::ofstream(map / "uit" / "kaart.bmp") << "een oud bestand dat vervangen wordt";
    // Years in any order, shading on, the bitmap in a folder of the working folder.
    const Uitkomst a =
        draai({"--jaren", "2014,2008,2009", "--kleurschakering", "--uitvoer", "uit/kaart.bmp", "gevonden.gpx"});
    EXPECT_EQ(a.status, 0) << a.fout;
    EXPECT_THAT(regels(a.uit),
                ElementsAre("Nog niet bezochte cache-regio: 624 99,5%", "Bezochte cache-regio: 3 0,5%",
                            "Regio zonder Nederlandse caches (688)", "Gevonden cache in 'fake'-Regio (1)",
                            "Aantal gevonden Nederlandse caches: 6", "Aantal gevonden caches: 7", "2008: 2 (2)",
                            "2009: 1 (0)", "2014: 1 (1)", "Overzicht opgeslagen als uit/kaart.bmp"));
    EXPECT_THAT(regels(a.fout),
                ElementsAre("Fake?: Een cache met de coordinaten: N53,45  E3,36 ligt in een 'fake'-gebied. Mail naar "
                            "kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in dit gebied wel een "
                            "cache gevonden is.",
                            "Verdwaald?: Een cache met de coordinaten: N50,65  E5,7 ligt buiten het gedefinieerde "
                            "gebied voor Nederland. Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u "
                            "meent dat in dit gebied wel een Nederlandse cache gevonden is."));
    // The old file was replaced whole, with no temporary file left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(map / "uit"), fs::directory_iterator()), 1);
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
    const Uitkomst b = draai({"gevonden.gpx"});
    EXPECT_THAT(b.uit, EndsWith("\nOverzicht opgeslagen als Kavelzicht.bmp\n"));

    // The picture is the one the window saves, to the pixel: a 24-bit bitmap, or the
    // format that the suffix of --uitvoer names.
    test::Gpx::proef().schrijf(map / "proef.gpx");
    const QImage verwacht = rgb32(KZ_TESTDATA "/proef.png");
    for (const char* naam : {"uit/kaart.bmp", "kaart.PNG"}) {
        const Uitkomst p = draai({"--jaren", "2009,2005,2003", "--kleurschakering", "--uitvoer", naam, "proef.gpx"});
        EXPECT_EQ(p.status, 0) << p.fout;
        const QString pad = QString::fromStdString((map / naam).string());
        EXPECT_EQ(QImageReader(pad).format(), naam[0] == 'u' ? "bmp" : "png");
        EXPECT_TRUE(rgb32(pad) == verwacht) << naam;
    }
    EXPECT_EQ(lees(map / "uit" / "kaart.bmp")[28], 24); // bits per pixel
}

TEST_F(Batch, ZonderJarenDeJarenVanDeStart) {
    // Start-up selects this year and the two before it, kept within the lists.
    const std::time_t nu = std::time(nullptr);
    std::tm lokaal{};
    ::localtime_r(&nu, &lokaal);
    const int jaar = std::clamp(lokaal.tm_year + 1900, 2003, 2015);
    const Uitkomst a = draai({"gevonden.gpx"});
    EXPECT_EQ(a.status, 0) << a.fout;
    const std::vector<std::string> uit = regels(a.uit);
    ASSERT_EQ(uit.size(), 10u);
    for (int k = 0; k < 3; ++k) EXPECT_THAT(uit[6 + k], StartsWith(std::to_string(jaar - 2 + k) + ": "));
    // A file named on the command line is read whatever its name: hidden, another extension.
    for (const char* naam : {".verborgen.gpx", "vondsten [1].xml"}) {
        fs::copy_file(map / "gevonden.gpx", map / naam);
        const Uitkomst b = draai({naam});
        EXPECT_EQ(b.status, 0) << naam << b.fout;
        EXPECT_EQ(b.uit, a.uit) << naam;
    }
}

TEST_F(Batch, DecimaalTekenVolgtDeLocale) {
    const std::pair<std::vector<std::string>, std::string> gevallen[] = {
        {{"LANG=en_US.UTF-8"}, "."}, {{"LANG=C"}, "."},
        {{"LC_ALL=nl_NL.UTF-8", "LANG=en_US.UTF-8"}, ","}, {{"LC_ALL=C", "LANG=nl_NL.UTF-8"}, "."},
        {{"LC_NUMERIC=de_DE.UTF-8", "LANG=en_US.UTF-8"}, ","}, {{"LC_NUMERIC=en_GB.UTF-8", "LANG=nl_NL.UTF-8"}, "."}};
    for (const auto& [omgeving, t] : gevallen) {
        SCOPED_TRACE(::testing::PrintToString(omgeving));
        const Uitkomst a = draai({"--jaren", "2008,2009,2014", "gevonden.gpx"}, {.omgeving = omgeving});
        EXPECT_EQ(a.status, 0);
        EXPECT_THAT(regels(a.uit), ::testing::Contains("Bezochte cache-regio: 3 0" + t + "5%"));
        EXPECT_THAT(a.fout, HasSubstr("N53" + t + "45  E3" + t + "36 "));
    }
}

TEST_F(Batch, GebruikHulpVersieEnFouten) {
    const std::string f = "gevonden.gpx";
    const std::vector<std::vector<std::string>> gebruiksfouten = {
        {"--onbekend", f}, {"-x", f}, {"--jaren", "2000,2008,2009", f}, {"--jaren", "2008,2009,2016", f},
        {"--jaren", "2008,2009", f}, {"--jaren", "2008,2009,2010,2011", f}, {"--jaren", "2008,,2009", f},
        {"--kleurschakering"}, {f, f}, {f, "--jaren"}, {"--uitvoer"}, {"--uitvoer", "kaart.txt", f}};
    for (const auto& args : gebruiksfouten) {
        const Uitkomst a = draai(args);
        EXPECT_EQ(a.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(a.uit, "");
        EXPECT_THAT(a.fout, HasSubstr(gebruik));
    }
    const Uitkomst hulp = draai({"--help"});
    EXPECT_EQ(hulp.status, 0);
    EXPECT_THAT(hulp.uit, StartsWith(gebruik + "\n"));
    const Uitkomst versie = draai({"--version"});
    EXPECT_EQ(versie.status, 0);
    EXPECT_EQ(versie.uit, std::string("Kavelzicht ") + KZ_VERSIE + "\n");
}

TEST_F(Batch, ZonderArgumentenOpentHetVenster) {
    const Uitkomst a = draai({}, {.omgeving = {"LANG=nl_NL.UTF-8", "QT_QPA_PLATFORM=offscreen"}, .limiet = std::chrono::seconds(1)});
    EXPECT_TRUE(a.verlopen) << "status " << a.status << ": " << a.fout;
    EXPECT_EQ(a.uit, "");
}

} // namespace
} // namespace kz
