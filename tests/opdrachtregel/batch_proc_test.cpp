// SPDX-License-Identifier: GPL-3.0-or-later
// The batch mode run as a process: output, picture, and hostile input in bounded memory.
#include <gmock/gmock.h>

#include <sys/stat.h>

#include <QDate>
#include <QImage>
#include <QImageReader>

#include "support/gpx.h"
#include "support/proces.h"
#include "support/proef.h"
#include "support/zip.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using proces::regels;
using proces::Opties;
using proces::Uitkomst;
using namespace ::testing;
using test::Gpx;
using Vijandig = proces::Programma;

std::tuple<int, std::string, std::string> gezien(const Uitkomst& u) { return {u.status, u.uit, u.fout}; }

const std::string gebruik = "Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] GPX-BESTAND";

std::string lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int ditJaar() { return QDate::currentDate().year(); }

class Batch : public proces::Programma {
protected:
    // Amsterdam twice (2008, 2009), Utrecht (2008), Eindhoven (2014); Dutch finds in a North
    // Sea cell (2009) and south of the grid; a Belgian find; a Dutch waypoint never found.
    void SetUp() override {
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
    const Uitkomst a = draai({"--jaren", "2014,2008,2009", "--kleurschakering", "--uitvoer", "uit/kaart.bmp", "gevonden.gpx"});
    EXPECT_EQ(a.status, 0) << a.fout;
    EXPECT_THAT(regels(a.uit),
                ElementsAre("Nog niet bezochte cache-regio: 624 99,5%", "Bezochte cache-regio: 3 0,5%",
                            "Regio zonder Nederlandse caches (688)", "Gevonden cache in 'fake'-Regio (1)",
                            "Aantal gevonden Nederlandse caches: 6", "Aantal gevonden caches: 7", "2008: 2 (2)",
                            "2009: 1 (0)", "2014: 1 (1)", "Overzicht opgeslagen als uit/kaart.bmp"));
    // Which warnings, in order, one line each (their texts: teksten_test).
    EXPECT_THAT(regels(a.fout), ElementsAre(StartsWith("Fake?: Een cache met de coordinaten: N53,45  E3,36 ligt"),
                                            StartsWith("Verdwaald?: Een cache met de coordinaten: N50,65  E5,7 ")));
    EXPECT_EQ(std::distance(fs::directory_iterator(map / "uit"), fs::directory_iterator()), 1);
    // The decimal sign of the locale (which variable names it is Qt's).
    EXPECT_THAT(gezien(draai({"--jaren", "2008,2009,2014", "gevonden.gpx"}, {.omgeving = {"LANG=en_US.UTF-8"}})),
                FieldsAre(0, HasSubstr("\nBezochte cache-regio: 3 0.5%\n"), HasSubstr("N53.45  E3.36 ")));

    // The window's picture to the pixel, as a 24-bit bitmap or in the format of the suffix.
    test::Gpx::proef().schrijf(map / "proef.gpx");
    for (const char* naam : {"uit/kaart.bmp", "kaart.PNG"}) {
        const Uitkomst p = draai({"--jaren", "2009,2005,2003", "--kleurschakering", "--uitvoer", naam, "proef.gpx"});
        EXPECT_EQ(p.status, 0) << p.fout;
        const QString pad = QString::fromStdString((map / naam).string());
        EXPECT_EQ(QImageReader(pad).format(), naam[0] == 'u' ? "bmp" : "png");
        EXPECT_TRUE(test::zoalsProef(QImage(pad), naam[0] == 'u' ? "batch-bmp" : "batch-png"));
    }
    EXPECT_EQ(lees(map / "uit" / "kaart.bmp")[28], 24); // bits per pixel
}

// Without years, this year and the two before (within the lists); any name is read, and a
// pocket query's ZIP as the bare file, its "-wpts.gpx" aside; one it cannot read is said.
TEST_F(Batch, ElkeNaamEnEenZipGevenWatHetKaleBestandGeeft) {
    const Uitkomst kaal = draai({"gevonden.gpx"});
    EXPECT_EQ(kaal.status, 0) << kaal.fout;
    const std::vector<std::string> uit = regels(kaal.uit);
    ASSERT_EQ(uit.size(), 10u);
    EXPECT_EQ(uit[9], "Overzicht opgeslagen als Kavelzicht.bmp");
    const int jaar = std::clamp(ditJaar(), 2003, 2015);
    for (int k = 0; k < 3; ++k) EXPECT_THAT(uit[6 + k], StartsWith(std::to_string(jaar - 2 + k) + ": "));
    for (const char* naam : {".verborgen.gpx", "vondsten [1].xml", "caf\xe9.gpx"}) {
        fs::copy_file(map / "gevonden.gpx", map / naam);
        EXPECT_THAT(gezien(draai({naam})), FieldsAre(0, kaal.uit, _)) << naam;
    }
    // Both streams into one log, as ">log 2>&1" does: no clash, the same lines.
    EXPECT_THAT(gezien(draai({"gevonden.gpx"}, {.samen = true})), FieldsAre(0, kaal.fout + kaal.uit, ""));
    // An export that cannot be written: exit 1, the others written (a full disk: the bitmap's
    // test, through the same writer).
    EXPECT_THAT(gezien(draai({"--per-jaar", "weg/j.csv", "--regio-export", "r.csv", "gevonden.gpx"})),
                FieldsAre(1, kaal.uit + "Regio's opgeslagen als r.csv\n",
                          EndsWith("Fout: De voortgang per jaar kan niet worden opgeslagen als " +
                                   (map / "weg" / "j.csv").string() + " (de map bestaat niet)\n")));
    EXPECT_THAT(lees(map / "r.csv"), StartsWith("Naam,Rij,Kolom,"));

    const std::string gpx = lees(map / "gevonden.gpx");
    schrijf("pq.zip", test::Zip{{{"123-wpts.gpx", test::Gpx().wpt("52.0", "5.0", 2009).tekst()}, {"123.gpx", gpx}}}.bytes());
    EXPECT_EQ(gezien(draai({"pq.zip"})), gezien(kaal));
    fs::remove(map / "Kavelzicht.bmp");

    // Damaged: it opens, but cannot be read to its end; refused: it says what it holds.
    std::string beschadigd = test::Zip{{{"123.gpx", gpx}}, true}.bytes();
    beschadigd[beschadigd.find("52.37")] = '9';
    const std::tuple<std::string, std::string, std::string> gevallen[] = {
        {"beschadigd.zip", beschadigd,
         "gelezen: " + (map / "beschadigd.zip").string() + " (het archief is beschadigd of onvolledig)\n"},
        {"wpts.zip", test::Zip{{{"123-wpts.gpx", gpx}}}.bytes(),
         "geopend: " + (map / "wpts.zip").string() + " (het archief bevat geen GPX-bestand met vondsten, alleen: 123-wpts.gpx)\n"},
    };
    for (const auto& [naam, bytes, fout] : gevallen) {
        schrijf(naam, bytes);
        EXPECT_EQ(gezien(draai({naam})), std::tuple(1, "", "Fout: Het GPX-bestand kan niet worden " + fout)) << naam;
    }
    EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
}

TEST_F(Batch, GebruikHulpVersieEnFouten) {
    const std::string f = "gevonden.gpx";
    const std::string volgendJaar = std::to_string(ditJaar() + 1);
    // One or two of each kind (what a home or a format may be: teksten_test); what is wrong is
    // said in Dutch, before the usage.
    const std::pair<std::vector<std::string>, Matcher<const std::string&>> gebruiksfouten[] = {
        {{"--onbekend", f}, _}, {{"--jaren", "2000,2008,2009", f}, _},
        {{"--jaren", "2008,2009," + volgendJaar, f}, HasSubstr("drie jaren van 2001 tot en met " + std::to_string(ditJaar()) + ",")},
        {{"--jaren", "2008,2009,02009", f}, _}, {{"--jaren", "2008,2009", f}, _},
        {{"--thuis", "52,09;5,12", f}, HasSubstr("zoals 52.09,5.12; niet '52,09;5,12'")},
        {{"--regio-export", "r.txt", f}, HasSubstr("onbekend formaat '.txt'; kies .geojson, .gpx of .csv")},
        {{"--regio-export", "", f}, _}, {{"--per-jaar", f, f}, _}, {{"--per-jaar", "/dev/stdout", f}, _},
        {{"--per-provincie", "p.txt", f}, HasSubstr("--per-provincie: onbekend formaat '.txt'; kies .csv")},
        {{"--venster", "--per-provincie", "p.csv", f}, _}, {{"--venster", "--uitvoer", "kaart.bmp", f}, _},
        {{"--kleurschakering"}, _}, {{f, f}, _}, {{"--uitvoer"}, _}, {{"--uitvoer", "kaart.txt", f}, _},
        {{""}, StartsWith("kavelzicht: geen GPX-bestand opgegeven (de naam is leeg)\n\n" + gebruik)}};
    for (const auto& [args, zin] : gebruiksfouten)
        EXPECT_THAT(gezien(draai(args)), FieldsAre(2, "", AllOf(HasSubstr(gebruik), zin))) << ::testing::PrintToString(args);
    for (const char* vraag : {"--help", "-h"})
        EXPECT_THAT(gezien(draai({vraag})), FieldsAre(0, StartsWith(gebruik + "\n"), ""));
    EXPECT_THAT(gezien(draai({"--version"})),
                FieldsAre(0, StartsWith(std::string("Kavelzicht ") + KZ_VERSIE + "\nPlaatsnamen: GeoNames"), ""));

    // Without a display the window cannot open: it says so, and what to do instead, in Dutch only.
    EXPECT_THAT(gezien(draai({})),
                FieldsAre(1, "", AllOf(StartsWith("kavelzicht: het venster kan niet worden geopend, want er is geen beeldscherm"),
                                       HasSubstr("kavelzicht --kleurschakering --uitvoer overzicht.bmp vondsten.gpx"))));
    // Without a file (or an empty name) the window opens and waits; with a file the list
    // hides, it saves the batch mode's picture.
    const Opties venster{.omgeving = {"LANG=nl_NL.UTF-8", "QT_QPA_PLATFORM=offscreen"}, .limiet = std::chrono::seconds(1)};
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"--venster", ""}}) {
        const Uitkomst leeg = draai(args, venster);
        EXPECT_TRUE(leeg.verlopen) << "status " << leeg.status << ": " << leeg.fout;
        EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp"));
    }
    Gpx().wpt("52.37", "4.89", 2008).wpt("51.44", "5.48", 2014).schrijf(map / "schoon.txt");
    const Uitkomst open = draai({"--venster", "schoon.txt"}, {.omgeving = venster.omgeving, .limiet = std::chrono::seconds(8)});
    EXPECT_TRUE(open.verlopen) << "status " << open.status << ": " << open.fout;
    const std::string bmp = lees(map / "Kavelzicht.bmp");
    ASSERT_EQ(draai({"schoon.txt"}).status, 0);
    EXPECT_TRUE(!bmp.empty() && bmp == lees(map / "Kavelzicht.bmp"));
}

// The exports add their files and lines and change nothing else (what they hold:
// teksten_test); the home's own region first. 2001, the first year of the lists, is taken.
TEST_F(Batch, PerJaarRegioExportThuisEnJarenNa2015) {
    const Uitkomst kaal = draai({"--jaren", "2001,2008,2009", KZ_VOORBEELD});
    ASSERT_EQ(kaal.status, 0) << kaal.fout;
    const Uitkomst a = draai({"--jaren", "2001,2008,2009", "--per-jaar", "jaren.csv", "--per-provincie", "provincies.csv",
                              "--regio-export", "regios.geojson", "--thuis", "52.09,5.12", KZ_VOORBEELD});
    ASSERT_EQ(a.status, 0) << a.fout;
    EXPECT_EQ(a.fout, kaal.fout);
    ASSERT_THAT(a.uit, StartsWith(kaal.uit));
    const std::vector<std::string> extra = regels(a.uit.substr(kaal.uit.size()));
    ASSERT_EQ(extra.size(), 14u);
    EXPECT_THAT(std::vector(extra.begin(), extra.begin() + 5),
                ElementsAre("Voortgang per jaar opgeslagen als jaren.csv", "Voortgang per provincie opgeslagen als provincies.csv",
                            "Regio's opgeslagen als regios.geojson", StartsWith("De 10 dichtstbijzijnde nog niet bezochte"),
                            StartsWith("1. 520/61 bij Utrecht (Utrecht): hier (")));
    EXPECT_THAT(lees(map / "jaren.csv"), StartsWith("Jaar,Gevonden caches,"));
    EXPECT_THAT(lees(map / "provincies.csv"), StartsWith("Provincie,Regio's,"));
    EXPECT_THAT(lees(map / "regios.geojson"), HasSubstr("\"FeatureCollection\""));

    // Years after 2015, up to this one, have year maps of their own (their counts: telling_test).
    Gpx().wpt("52.37", "4.89", 2016).wpt("52.09", "5.12", 2020).wpt("52.371", "4.891", 2020).schrijf(map / "laat.gpx");
    const Uitkomst laat = draai({"--jaren", "2016,2020," + std::to_string(ditJaar()), "laat.gpx"});
    EXPECT_THAT(regels(laat.uit), IsSupersetOf({"2016: 1 (1)", "2020: 2 (1)"})) << laat.fout;
}

// No output replaces the found log or another output, by any name (a hard link, a link, a
// linked folder): a usage error before anything is written.
TEST_F(Batch, UitvoerVervangtNooitDeInvoerOfEenAndereUitvoer) {
    const std::string gpx = lees(map / "gevonden.gpx");
    fs::create_hard_link(map / "gevonden.gpx", map / "hard.geojson");
    fs::create_directory_symlink(".", map / "hier");
    fs::create_symlink("Kavelzicht.bmp", map / "beeld.csv");
    const std::string invoer = "Het GPX-bestand";
    // The arguments; the two that clash, and the name the second was given.
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> gevallen = {
        {{"--regio-export", "gevonden.gpx", "gevonden.gpx"}, invoer + " en --regio-export", "gevonden.gpx"},
        {{"--regio-export", "hard.geojson", "gevonden.gpx"}, invoer + " en --regio-export", "hard.geojson"},
        {{"--regio-export", "hier/gevonden.gpx", "gevonden.gpx"}, invoer + " en --regio-export", "hier/gevonden.gpx"},
        {{"--per-jaar", "same.csv", "--regio-export", "same.csv", "gevonden.gpx"}, "--per-jaar en --regio-export", "same.csv"},
        {{"--per-provincie", "hier/same.csv", "--per-jaar", "same.csv", "gevonden.gpx"}, "--per-jaar en --per-provincie", "hier/same.csv"},
        {{"--per-jaar", "beeld.csv", "gevonden.gpx"}, "--uitvoer en --per-jaar", "beeld.csv"},
        {{"--uitvoer", "a.bmp", "--per-jaar", "hier/a.csv", "--regio-export", "a.csv", "gevonden.gpx"}, "--per-jaar en --regio-export", "a.csv"},
    };
    for (const auto& [args, beide, naam] : gevallen) {
        EXPECT_EQ(gezien(draai(args)), std::tuple(2, "", "Fout: " + beide + " zijn hetzelfde bestand (" + naam + "); er is niets geschreven\n"))
            << ::testing::PrintToString(args);
        EXPECT_EQ(lees(map / "gevonden.gpx"), gpx);
        EXPECT_FALSE(fs::exists(map / "Kavelzicht.bmp") || fs::exists(map / "same.csv") || fs::exists(map / "a.csv"));
    }
}

// A device, a pipe or a link to one is never replaced by a file; a name can never forge a
// line of the output or colour the terminal.
TEST_F(Batch, GeenApparaatVervangenEnGeenNagemaakteRegels) {
    for (const char* naam : {"null.csv", "null.geojson", "null.bmp"}) fs::create_symlink("/dev/null", map / naam);
    ASSERT_EQ(::mkfifo((map / "pijp.csv").c_str(), 0600), 0);
    const std::string jaren = "De voortgang per jaar kan niet worden", overzicht = "Het overzicht kan niet worden";
    const std::tuple<std::string, std::string, std::string> apparaten[] = {
        {"--per-jaar", "null.csv", jaren}, {"--regio-export", "null.geojson", "De regio's kunnen niet worden"},
        {"--uitvoer", "null.bmp", overzicht}, {"--per-jaar", "pijp.csv", jaren},
        {"--uitvoer", "/dev/null", overzicht}, {"--uitvoer", "/dev/stdout", overzicht},
    };
    Gpx().wpt("52.37", "4.89", 2008).schrijf(map / "een.gpx");
    for (const auto& [optie, naam, wat] : apparaten) {
        const Uitkomst u = draai({optie, naam, "een.gpx"});
        EXPECT_EQ(std::pair(u.status, u.fout), std::pair(1, "Fout: " + wat + " opgeslagen als " + (map / naam).string() +
                                                                " (dit is geen gewoon bestand)\n"));
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_fifo(map / "pijp.csv"));

    schrijf("twee.zip", test::Zip{{{"a\nFout: nep regel\x1b[31mROOD\x1b[0m.gpx", Gpx().wpt("52.0", "5.0", 2009).tekst()},
                                   {"b.gpx", Gpx().wpt("52.0", "5.0", 2009).tekst()}}}.bytes());
    const std::vector<std::pair<std::vector<std::string>, std::string>> namen = {
        {{"twee.zip"}, "a\\nFout: nep regel\\x1B[31mROOD\\x1B[0m.gpx"},
        {{"--regio-export", "c\nOverzicht opgeslagen als x.gpx", "een.gpx"}, "Regio's opgeslagen als c\\nOverzicht opgeslagen als x.gpx"},
        {{"--jaren", "x\nFout: nep\r", "een.gpx"}, "niet 'x\\nFout: nep\\r'"},
        {{"nep\xc2\x9b" "31m\nFout: nep.gpx"}, "nep\\x9B31m\\nFout: nep.gpx (het bestand bestaat niet)"},
    };
    for (const auto& [args, zichtbaar] : namen) {
        const Uitkomst u = draai(args);
        EXPECT_THAT(u.uit + u.fout, AllOf(HasSubstr(zichtbaar), Not(HasSubstr("\nFout: nep")), Not(HasSubstr("\x1b")),
                                          Not(HasSubstr("\nOverzicht opgeslagen als x"))))
            << ::testing::PrintToString(args);
    }
}

// Without finds, the notice why; a gigabyte line and a zip bomb cost no memory; a crowded
// file's warnings come as found and counts beyond 16 bits stay exact.
TEST_F(Vijandig, EmptyHugePackedAndCrowdedFilesGiveExactCountsInBoundedMemory) {
    schrijf("leeg.gpx", "");
    const Uitkomst leeg = draai({"--uitvoer", "uit.bmp", "leeg.gpx"});
    ASSERT_EQ(leeg.status, 0) << leeg.fout;
    EXPECT_THAT(leeg.fout, StartsWith("Geen vondsten: Het bestand bevat geen enkel waypoint"));
    EXPECT_THAT(regels(leeg.uit), IsSupersetOf({"Aantal gevonden caches: 0", "Bezochte cache-regio: 0 0,0%"}));
    // Sparse: a first line that runs on for a gigabyte of NUL bytes.
    schrijf("groot.gpx", "<wpt lat=\"52.37\" lon=\"4.89\">");
    fs::resize_file(map / "groot.gpx", std::uintmax_t{1} << 30);
    const Uitkomst groot = draai({"--uitvoer", "uit.bmp", "groot.gpx"});
    fs::remove(map / "groot.gpx");
    EXPECT_EQ(groot.uit, leeg.uit);
    EXPECT_THAT(groot.fout, ::testing::StartsWith("Geen vondsten: Het bestand bevat 1 waypoint, maar daarbij staat geen datum"));
    EXPECT_LT(groot.piekKb - leeg.piekKb, 48 * 1024) << groot.piekKb << " KB against " << leeg.piekKb << " KB";

    // Packed zeros, against a new run: a child's peak counts from the fork.
    schrijf("bom.zip", test::Zip{{{"nullen.gpx", std::string(std::size_t{256} << 20, '\0')}}}.bytes());
    ASSERT_LT(fs::file_size(map / "bom.zip"), std::uintmax_t{2} << 20);
    const Uitkomst bom = draai({"--uitvoer", "uit.bmp", "bom.zip"}), naast = draai({"--uitvoer", "uit.bmp", "leeg.gpx"});
    EXPECT_EQ(std::pair(bom.status, bom.uit), std::pair(0, leeg.uit)) << bom.fout;
    EXPECT_LT(bom.piekKb - naast.piekKb, 48 * 1024) << bom.piekKb << " KB against " << naast.piekKb << " KB";

    {
        std::ofstream uit(map / "vol.gpx", std::ios::binary);
        for (int i = 0; i < 100000; ++i) uit << Gpx::waypoint("53.45", "3.36", "2009"); // a North Sea cell
        for (int i = 0; i < 40000; ++i) uit << Gpx::waypoint("52.37", "4.89", "2009");  // Amsterdam
        const std::string elders[] = {Gpx::waypoint("51.55", "5.55", "2010"), Gpx::waypoint("52.09", "5.12", "2010"),
                                      Gpx::waypoint("53.21", "6.56", "2010"), Gpx::waypoint("51.92", "4.48", "2010")};
        for (int i = 0; i < 20000; ++i) uit << elders[i % 4];
        for (int i = 0; i < 2000; ++i) uit << Gpx::waypoint("51.2", "4.4", "2010", "Belgium");
    }
    const Uitkomst vol = draai({"--kleurschakering", "--jaren", "2011,2009,2010", "vol.gpx"});
    ASSERT_EQ(vol.status, 0) << vol.fout.substr(0, 500);
    EXPECT_THAT(regels(vol.uit), IsSupersetOf({"Bezochte cache-regio: 5 0,8%", "Gevonden cache in 'fake'-Regio (1)",
                                               "Aantal gevonden Nederlandse caches: 160000",
                                               "Aantal gevonden caches: 162000", "2009: 1 (1)", "2010: 4 (4)"}));
    EXPECT_THAT(regels(vol.fout), AllOf(SizeIs(100000), Each(StartsWith("Fake?: Een cache met de coordinaten: N53,45  E3,36 "))));
    EXPECT_EQ(vol.fout.back(), '\n');
// AddressSanitizer holds on to freed memory: only a plain build shows what the program keeps.
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(vol.piekKb - leeg.piekKb, 16 * 1024) << vol.piekKb << " KB against " << leeg.piekKb << " KB";
#endif
}

// A full disk or a closed folder: error, exit 1, the old bitmap whole and no file beside it.
TEST_F(Vijandig, BitmapThatCannotBeWrittenLeavesTheOldOneIntact) {
    const std::string oud = "BM oude afbeelding";
    schrijf("een.gpx", Gpx::waypoint("52.37", "4.89", "2009"));
    fs::create_directory(map / "kaarten");
    schrijf("kaarten/Kavelzicht.bmp", oud);
    auto controleer = [&](const Uitkomst& u, const std::string& reden) {
        EXPECT_EQ(u.status, 1);
        EXPECT_EQ(regels(u.uit).size(), 9u); // the statistics, but no "Overzicht opgeslagen als"
        EXPECT_EQ(u.fout, "Fout: Het overzicht kan niet worden opgeslagen als " +
                              (map / "kaarten" / "Kavelzicht.bmp").string() + " (" + reden + ")\n");
        EXPECT_EQ(lees(map / "kaarten" / "Kavelzicht.bmp"), oud);
        EXPECT_EQ(std::distance(fs::directory_iterator(map / "kaarten"), fs::directory_iterator()), 1);
    };
    controleer(draai({"--uitvoer", "kaarten/Kavelzicht.bmp", "een.gpx"}, {.maxBestand = 64 * 1024}),
               "het schrijven is mislukt; is de schijf vol?");
    // A closed folder, when permissions stop this user.
    if (::geteuid() != 0) {
        fs::permissions(map / "kaarten", fs::perms::owner_read | fs::perms::owner_exec);
        controleer(draai({"--uitvoer", "kaarten/Kavelzicht.bmp", "een.gpx"}), "geen toegang");
    }
}

} // namespace
} // namespace kz
