// Whole overview passes on the window, run by clicking "&Maak overzicht" over small GPX
// files written into a temporary folder: counts and label texts, map colours, the year
// choice, the messages, the saved bitmap and the failures on the way.
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "foundlog/tally.h"
#include "window/form1.h"
#include "window/toolkit.h"

// Readable QString values in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kz {
namespace {

constexpr Kleur rood_ = rgb(255, 0, 0), groen_ = rgb(0, 255, 0), wit = rgb(255, 255, 255), blauw_ = rgb(0, 0, 255);
// The count classes 1, 2-3, 4-6, 7-10, 11-15, 16 and more.
constexpr Kleur klasse1 = rgb(128, 255, 128), klasse2 = rgb(0, 255, 0), klasse4 = rgb(0, 192, 0),
                klasse7 = rgb(0, 128, 0), klasse11 = rgb(0, 64, 0), klasse16 = rgb(0, 0, 0);

using Vier = std::array<Kleur, 4>; // main map, then the three year maps

// One waypoint of the test file.
struct Vondst {
    QString lat, lon;
    int jaar = 0; // 0: no found-date line
    bool nl = true;
};

// A waypoint inside cell k of the maps; fractie places it within the cell's latitude band.
Vondst in(int k, int jaar, bool nl = true, double fractie = 0.5) {
    return {QString::number((rijVanIndex(k) + fractie) / 10, 'f', 2),
            QString::number((kolomVanIndex(k) + 0.5) / 12, 'f', 6), jaar, nl};
}

// A GSAK export as the scan expects it: one element per line, CR LF line ends.
QByteArray gpx(const std::vector<Vondst>& vondsten) {
    QByteArray t = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                   "<gpx xmlns:gsak=\"http://www.gsak.net/xmlv1/6\" version=\"1.0\">\r\n";
    int nummer = 0;
    for (const Vondst& v : vondsten) {
        t += "  <wpt lat=\"" + v.lat.toUtf8() + "\" lon=\"" + v.lon.toUtf8() + "\">\r\n";
        t += "    <name>GC" + QByteArray::number(++nummer) + "</name>\r\n";
        t += "    <groundspeak:cache id=\"1\" available=\"True\">\r\n";
        t += QByteArray("      <groundspeak:country>") + (v.nl ? "Netherlands" : "Belgium") + "</groundspeak:country>\r\n";
        t += "    </groundspeak:cache>\r\n";
        if (v.jaar != 0) {
            t += "    <gsak:wptExtension>\r\n";
            t += "      <gsak:UserFound>" + QByteArray::number(v.jaar) + "-06-15</gsak:UserFound>\r\n";
            t += "    </gsak:wptExtension>\r\n";
        }
        t += "  </wpt>\r\n";
    }
    return t + "</gpx>\r\n";
}

void schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pad.toStdString();
    f.write(inhoud);
}

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Vier kleuren(const Form1& f, int k) { return {f.vak->kleur(k), f.vak07->kleur(k), f.vak08->kleur(k), f.vak09->kleur(k)}; }

int telKleur(const Kaart* kaart, Kleur k) {
    int n = 0;
    for (int i = 0; i < Kaart::aantal; ++i) n += kaart->kleur(i) == k;
    return n;
}

// Every text that a pass writes, in one list, so that two windows can be compared.
QStringList teksten(const Form1& f) {
    QStringList t;
    for (const QLabel* l : {f.aantal[0], f.aantal[1], f.perc[0], f.perc[1], f.Label1[2], f.Label1[3], f.nlcache,
                            f.totcache, f.nrjr1, f.nrjr2, f.nrjr3})
        t << l->text();
    for (const Kader* k : {f.Frame3, f.Frame4, f.Frame5}) t << k->title();
    for (const QComboBox* j : f.jaar) t << j->currentText();
    return t;
}

std::vector<Kleur> alleKleuren(const Form1& f) {
    std::vector<Kleur> v;
    for (const Kaart* k : {f.vak, f.vak07, f.vak08, f.vak09})
        for (int i = 0; i < Kaart::aantal; ++i) v.push_back(k->kleur(i));
    return v;
}

class Doorloop : public ::testing::Test {
protected:
    struct Bericht {
        QString prompt;
        int stijl;
        QString titel;
        int wijzer; // the window's mouse pointer while the box was up
    };

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        map = QDir(tmp.path()).canonicalPath();
        NlMasker nl;
        leesnl(nl);
        for (int k = 0; k < aantalVakken; ++k) (nl(rijVanIndex(k), kolomVanIndex(k)) ? binnen : buiten).push_back(k);
        vorigeFunctie = tk::zetBerichtFunctie([this](const QString& prompt, int stijl, const QString& titel) {
            berichten.push_back({prompt, stijl, titel, actief ? tk::MousePointer(*actief) : -1});
        });
        vorigeLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    }
    void TearDown() override {
        tk::zetBerichtFunctie(vorigeFunctie);
        QLocale::setDefault(vorigeLocale);
    }

    // Opens the folder in the lists (the file list read anew, as files come and go),
    // selects the file (when given), and sets the shading and the year boxes.
    void kies(Form1& f, const QString& naam, bool schakering, std::array<int, 3> jaren) {
        f.Dir1->setPath(map);
        f.File1->setPath(map);
        for (int i = 0; i < f.File1->listCount(); ++i) {
            if (f.File1->entry(i) == naam) f.File1->setListIndex(i);
        }
        if (!naam.isEmpty()) {
            EXPECT_EQ(f.File1->fileName(), naam);
        }
        f.kleurvariant->setChecked(schakering);
        for (int k = 0; k < 3; ++k) f.jaar[k]->setCurrentIndex(jaren[k] - 2001);
        f.afbeeldingsnaam = bmp();
    }

    // Presses "&Maak overzicht" (after "&Terug" when the result panel is up); every
    // pass, whatever its end, leaves the default pointer.
    void klik(Form1& f) {
        actief = &f;
        if (f.Frame7->isVisible()) f.terug->click();
        f.Maakoverzicht->click();
        EXPECT_EQ(tk::MousePointer(f), tk::vbDefault);
    }

    void draai(Form1& f, const QString& naam, const std::vector<Vondst>& vondsten, bool schakering,
               std::array<int, 3> jaren) {
        schrijf(map + "/" + naam, gpx(vondsten));
        kies(f, naam, schakering, jaren);
        klik(f);
    }

    QString bmp() const { return map + "/Kavelzicht.bmp"; }

    QTemporaryDir tmp;
    QString map;
    std::vector<int> binnen; // cells in the Dutch region mask
    std::vector<int> buiten; // cells outside it
    std::vector<Bericht> berichten;
    Form1* actief = nullptr;
    tk::BerichtFunctie vorigeFunctie;
    QLocale vorigeLocale;
};

struct Venster {
    Form1 f{Form1::Omgeving{"02-04-2009", {}}};
    Venster() { f.show(); }
};

TEST_F(Doorloop, BestandZonderNederlandseVondstenGeeftAlleenNietBezochteRegios) {
    Venster v;
    Form1& f = v.f;
    // Finds abroad (also at Dutch coordinates) and a Dutch waypoint without a found date,
    // in a file whose name is not plain ASCII.
    draai(f, "buitenland café.gpx", {in(binnen[0], 2008, false), in(buiten[0], 2009, false), in(binnen[5], 2007, false),
                                in(binnen[9], 0)},
          true, {2007, 2008, 2009});

    EXPECT_TRUE(berichten.empty());
    EXPECT_EQ(f.aantal[0]->text(), "627");
    EXPECT_EQ(f.aantal[1]->text(), "0");
    EXPECT_EQ(f.perc[0]->text(), "100,0%");
    EXPECT_EQ(f.perc[1]->text(), "0,0%");
    EXPECT_EQ(f.Label1[2]->text(), "Regio zonder Nederlandse caches (689)");
    EXPECT_EQ(f.Label1[3]->text(), "Gevonden cache in 'fake'-Regio (0)");
    EXPECT_EQ(f.nlcache->text(), "0");
    EXPECT_EQ(f.totcache->text(), "3");
    for (QLabel* l : {f.nrjr1, f.nrjr2, f.nrjr3}) EXPECT_EQ(l->text(), "0 (0)");
    for (const Kaart* k : {f.vak, f.vak07, f.vak08, f.vak09}) {
        EXPECT_EQ(telKleur(k, rood_), 627);
        EXPECT_EQ(telKleur(k, wit), 689);
    }
    EXPECT_FALSE(f.Frame6->isVisible());
    EXPECT_TRUE(f.Frame7->isVisible());
    EXPECT_TRUE(f.terug->isVisible());
    EXPECT_EQ(tk::breedte(f.Frame10), 4575);
    EXPECT_TRUE(QFileInfo::exists(bmp()));
}

TEST_F(Doorloop, PercentagesVolgenDeLandinstelling) {
    Venster v;
    Form1& f = v.f;
    // 235 mask cells with finds, some cells twice; one Dutch find outside the grid
    // counts among the Dutch finds, one without a found date nowhere, one abroad only
    // among all finds.
    std::vector<Vondst> vondsten;
    for (int i = 0; i < 235; ++i) vondsten.push_back(in(binnen[i], 2005 + i % 5));
    for (int i = 0; i < 10; ++i) vondsten.push_back(in(binnen[i * 7], 2011));
    vondsten.push_back({"50.65", "5.5", 2009, true});
    vondsten.push_back(in(binnen[300], 0));
    vondsten.push_back(in(binnen[301], 2009, false));
    draai(f, "vondsten.gpx", vondsten, false, {2007, 2008, 2009});

    EXPECT_EQ(f.aantal[1]->text(), "235");
    EXPECT_EQ(f.aantal[0]->text(), "392");
    EXPECT_EQ(f.perc[1]->text(), "37,5%");
    EXPECT_EQ(f.perc[0]->text(), "62,5%");
    EXPECT_EQ(f.nlcache->text(), "246");
    EXPECT_EQ(f.totcache->text(), "247");
    ASSERT_EQ(berichten.size(), 1u);
    EXPECT_EQ(berichten[0].titel, "Verdwaald?");
    EXPECT_TRUE(berichten[0].prompt.startsWith("Een cache met de coordinaten: N50,65  E5,5 ligt buiten"))
        << berichten[0].prompt.toStdString();

    // The same file under a full-stop locale; the warning follows it as well.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    klik(f);
    EXPECT_EQ(f.perc[1]->text(), "37.5%");
    EXPECT_EQ(f.perc[0]->text(), "62.5%");
    EXPECT_EQ(f.aantal[1]->text(), "235");
    ASSERT_EQ(berichten.size(), 2u);
    EXPECT_TRUE(berichten[1].prompt.startsWith("Een cache met de coordinaten: N50.65  E5.5 ligt buiten"));
}

// Cells and finds for the colouring tests, with the years 2003, 2005 and 2009.
struct Proef {
    std::array<int, 11> klassecel{};
    std::array<int, 11> aantallen{1, 2, 3, 4, 6, 7, 10, 11, 15, 16, 250};
    std::array<Kleur, 11> klasse{klasse1, klasse2, klasse2, klasse4, klasse4, klasse7,
                                 klasse7, klasse11, klasse11, klasse16, klasse16};
    int a, b, c, d;       // mask cells with finds in several years
    int nepA, nepB, nepC; // cells outside the mask with finds
    std::vector<Vondst> vondsten;

    Proef(const std::vector<int>& binnen, const std::vector<int>& buiten) {
        for (int i = 0; i < 11; ++i) klassecel[i] = binnen[100 + i * 20];
        a = binnen[40], b = binnen[41], c = binnen[42], d = binnen[500];
        nepA = buiten[0], nepB = buiten[300], nepC = buiten[688];
        vondsten.push_back(in(nepC, 2009, true, 0.3));
        for (int i = 0; i < 11; ++i)
            for (int n = 0; n < aantallen[i]; ++n) vondsten.push_back(in(klassecel[i], 2003));
        vondsten.push_back(in(nepA, 2003, true, 0.2));
        for (int jaar : {2003, 2005, 2005}) vondsten.push_back(in(a, jaar));
        for (int jaar : {2000, 2005}) vondsten.push_back(in(b, jaar));
        for (int jaar : {2016, 2000}) vondsten.push_back(in(c, jaar));
        vondsten.push_back(in(nepB, 2016));
        for (int jaar : {2001, 2009, 2009, 2009, 2009, 2009}) vondsten.push_back(in(d, jaar));
        vondsten.push_back(in(nepA, 2003, true, 0.7));
        vondsten.push_back(in(binnen[7], 2003, false));
    }
};

TEST_F(Doorloop, KaartenKleurenNaarAantalJaarEnMasker) {
    Venster v;
    Form1& f = v.f;
    const Proef p(binnen, buiten);
    draai(f, "klassen.gpx", p.vondsten, true, {2003, 2005, 2009});
    EXPECT_TRUE(f.Frame10->isVisible());

    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(kleuren(f, p.klassecel[i]), (Vier{p.klasse[i], p.klasse[i], rood_, rood_})) << p.aantallen[i];
    EXPECT_EQ(kleuren(f, p.a), (Vier{klasse2, klasse1, klasse2, rood_}));
    EXPECT_EQ(kleuren(f, p.b), (Vier{klasse2, rood_, klasse1, rood_}));
    EXPECT_EQ(kleuren(f, p.c), (Vier{klasse2, rood_, rood_, rood_})); // 2000 and 2016: main map only
    EXPECT_EQ(kleuren(f, p.d), (Vier{klasse4, rood_, rood_, klasse4}));
    EXPECT_EQ(kleuren(f, p.nepA), (Vier{blauw_, blauw_, wit, wit}));
    EXPECT_EQ(kleuren(f, p.nepB), (Vier{blauw_, wit, wit, wit}));
    EXPECT_EQ(kleuren(f, p.nepC), (Vier{blauw_, wit, wit, blauw_}));
    EXPECT_EQ(kleuren(f, binnen[7]), (Vier{rood_, rood_, rood_, rood_})); // found abroad
    EXPECT_EQ(telKleur(f.vak, rood_), 627 - 15);
    EXPECT_EQ(telKleur(f.vak, wit), 689 - 3);
    EXPECT_EQ(telKleur(f.vak07, rood_), 627 - 12);
    EXPECT_EQ(telKleur(f.vak08, wit), 689);

    EXPECT_EQ(f.aantal[1]->text(), "15");
    EXPECT_EQ(f.Label1[2]->text(), "Regio zonder Nederlandse caches (686)");
    EXPECT_EQ(f.Label1[3]->text(), "Gevonden cache in 'fake'-Regio (3)");
    EXPECT_EQ(f.nrjr1->text(), "12 (12)");
    EXPECT_EQ(f.nrjr2->text(), "2 (1)"); // the cell of 2003 is not new in 2005, the one of 2000 is
    EXPECT_EQ(f.nrjr3->text(), "1 (0)");
    EXPECT_EQ(f.nlcache->text(), QString::number(p.vondsten.size() - 1));
    EXPECT_EQ(f.totcache->text(), QString::number(p.vondsten.size()));

    // One warning per find in a cell outside the mask with a year of its own, in file
    // order, while the hourglass is up; the find of 2016 raises none.
    ASSERT_EQ(berichten.size(), 3u);
    const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    auto begin = [&](int k, double fractie) {
        const Vondst w = in(k, 2003, true, fractie);
        return "Een cache met de coordinaten: N" + nl.toString(w.lat.toDouble(), 'g', 15) + "  E" +
               nl.toString(w.lon.toDouble(), 'g', 15) + " ligt in een 'fake'-gebied.\r\nMail naar ";
    };
    const QString verwacht[] = {begin(p.nepC, 0.3), begin(p.nepA, 0.2), begin(p.nepA, 0.7)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(berichten[i].titel, "Fake?");
        EXPECT_EQ(berichten[i].stijl, 16);
        EXPECT_TRUE(berichten[i].prompt.startsWith(verwacht[i])) << berichten[i].prompt.toStdString();
        EXPECT_EQ(berichten[i].wijzer, tk::vbHourglass);
    }

    // Shading off: one green for every visited region; the blue and the counts stay.
    berichten.clear();
    f.kleurvariant->setChecked(false);
    klik(f);
    EXPECT_FALSE(f.Frame10->isVisibleTo(f.Frame7));
    for (int k : p.klassecel) EXPECT_EQ(kleuren(f, k), (Vier{groen_, groen_, rood_, rood_}));
    EXPECT_EQ(kleuren(f, p.a), (Vier{groen_, groen_, groen_, rood_}));
    EXPECT_EQ(kleuren(f, p.d), (Vier{groen_, rood_, rood_, groen_}));
    EXPECT_EQ(kleuren(f, p.nepA), (Vier{blauw_, blauw_, wit, wit}));
    EXPECT_EQ(kleuren(f, p.nepC), (Vier{blauw_, wit, wit, blauw_}));
    EXPECT_EQ(telKleur(f.vak, groen_), 15);
    EXPECT_EQ(f.nrjr2->text(), "2 (1)");
    EXPECT_EQ(berichten.size(), 3u);
}

TEST_F(Doorloop, TweedeDoorloopLaatNietsVanDeEersteStaan) {
    const Proef p(binnen, buiten);
    const std::vector<Vondst> tweede = {in(binnen[3], 2012), in(binnen[3], 2012), in(binnen[600], 2004),
                                        in(binnen[9], 2014, false)};
    Venster v;
    draai(v.f, "eerste.gpx", p.vondsten, true, {2003, 2005, 2009});
    ASSERT_EQ(v.f.aantal[1]->text(), "15");
    const QImage eersteBeeld(bmp());
    draai(v.f, "tweede.gpx", tweede, false, {2004, 2012, 2014});

    // A window that only ever saw the second file shows the same.
    Venster vers;
    kies(vers.f, "tweede.gpx", false, {2004, 2012, 2014});
    vers.f.afbeeldingsnaam = map + "/vers.bmp";
    klik(vers.f);
    EXPECT_EQ(teksten(v.f), teksten(vers.f));
    EXPECT_EQ(alleKleuren(v.f), alleKleuren(vers.f));
    EXPECT_EQ(v.f.Label1[2]->text(), "Regio zonder Nederlandse caches (689)");
    EXPECT_EQ(v.f.nrjr2->text(), "1 (1)");

    // The bitmap holds the second picture only.
    const QImage beeld(bmp());
    ASSERT_EQ(beeld.size(), eersteBeeld.size());
    EXPECT_NE(beeld, eersteBeeld);
    EXPECT_EQ(beeld, QImage(map + "/vers.bmp"));
}

TEST_F(Doorloop, JarenWordenGesorteerdInDeVakkenEnOpDeKaarten) {
    Venster v;
    Form1& f = v.f;
    const int k = binnen[200];
    draai(f, "jaren.gpx", {in(k, 2012), in(binnen[201], 2005)}, false, {2012, 2005, 2009});
    // The year-frame captions, then the three boxes.
    EXPECT_EQ(teksten(f).mid(11), (QStringList{"2005", "2009", "2012", "2005", "2009", "2012"}));
    EXPECT_EQ(kleuren(f, k), (Vier{groen_, rood_, rood_, groen_}));
    EXPECT_EQ(f.nrjr1->text(), "1 (1)");
    EXPECT_EQ(f.nrjr3->text(), "1 (1)");

    // Two equal years give two equal year maps; "&Terug" shows the sorted choice.
    kies(f, "jaren.gpx", false, {2012, 2005, 2012});
    klik(f);
    f.terug->click();
    EXPECT_TRUE(f.Frame6->isVisible());
    EXPECT_EQ(teksten(f).mid(11), (QStringList{"2005", "2012", "2012", "2005", "2012", "2012"}));
    EXPECT_EQ(f.nrjr2->text(), f.nrjr3->text());
    for (int i = 0; i < Kaart::aantal; ++i) ASSERT_EQ(f.vak08->kleur(i), f.vak09->kleur(i)) << i;
}

TEST_F(Doorloop, ZonderGekozenBestandAlleenDeMelding) {
    Venster v;
    Form1& f = v.f;
    schrijf(map + "/vondsten.gpx", gpx({in(binnen[0], 2009)}));
    for (bool schakering : {true, false}) {
        berichten.clear();
        kies(f, "", schakering, {2012, 2005, 2009});
        ASSERT_EQ(f.File1->listIndex(), -1);
        klik(f);
        ASSERT_EQ(berichten.size(), 1u);
        EXPECT_EQ(berichten[0].prompt, "U dient nog een GPX-bestand te selecteren");
        EXPECT_EQ(berichten[0].titel, "Fout");
        EXPECT_EQ(berichten[0].stijl, 16);
        EXPECT_EQ(berichten[0].wijzer, tk::vbDefault);
        // The class legend already follows the shading choice; nothing else changes.
        EXPECT_EQ(f.Frame10->isVisibleTo(f.Frame7), schakering);
        EXPECT_TRUE(f.Frame6->isVisible());
        EXPECT_FALSE(f.Frame7->isVisible());
        EXPECT_EQ(f.jaar[0]->currentText(), "2012");
        EXPECT_EQ(f.Frame3->title(), "2007");
        EXPECT_EQ(f.aantal[0]->text(), "1234");
        EXPECT_EQ(f.nrjr1->text(), "9999");
        EXPECT_EQ(telKleur(f.vak, wit), Kaart::aantal);
        EXPECT_EQ(telKleur(f.vak09, wit), Kaart::aantal);
        EXPECT_FALSE(QFileInfo::exists(bmp()));
    }
}

TEST_F(Doorloop, OnleesbaarBestandLaatHetVorigeOverzichtStaan) {
    Venster v;
    Form1& f = v.f;
    const Proef p(binnen, buiten);
    draai(f, "eerste.gpx", p.vondsten, true, {2003, 2005, 2009});
    const QStringList eerdereTeksten = teksten(f);
    const std::vector<Kleur> eerdereKleuren = alleKleuren(f);
    const QByteArray eerderBeeld = lees(bmp());
    ASSERT_FALSE(eerderBeeld.isEmpty());

    auto controleer = [&](const QString& pad) {
        ASSERT_EQ(berichten.size(), 1u);
        EXPECT_EQ(berichten[0].prompt, "Het GPX-bestand kan niet worden geopend:\n" + pad);
        EXPECT_EQ(berichten[0].titel, "Fout");
        EXPECT_EQ(berichten[0].stijl, 16);
        EXPECT_EQ(berichten[0].wijzer, tk::vbDefault);
        EXPECT_TRUE(f.Frame6->isVisible());
        EXPECT_FALSE(f.Frame7->isVisible());
        EXPECT_EQ(f.jaar[0]->currentText(), "2012");
        EXPECT_EQ(f.jaar[1]->currentText(), "2007");
        EXPECT_EQ(teksten(f).mid(0, 14), eerdereTeksten.mid(0, 14)); // labels and year captions
        EXPECT_TRUE(alleKleuren(f) == eerdereKleuren);
        EXPECT_TRUE(lees(bmp()) == eerderBeeld);
    };

    // Removed after it was listed.
    berichten.clear();
    schrijf(map + "/weg.gpx", gpx({in(binnen[0], 2009)}));
    kies(f, "weg.gpx", false, {2012, 2007, 2008});
    ASSERT_TRUE(QFile::remove(map + "/weg.gpx"));
    klik(f);
    controleer(map + "/weg.gpx");

    // Replaced by a folder of the same name.
    berichten.clear();
    schrijf(map + "/map.gpx", gpx({in(binnen[0], 2009)}));
    kies(f, "map.gpx", false, {2012, 2007, 2008});
    ASSERT_TRUE(QFile::remove(map + "/map.gpx"));
    ASSERT_TRUE(QDir(map).mkdir("map.gpx"));
    klik(f);
    controleer(map + "/map.gpx");

    // A subfolder highlighted in the folder list, not opened, without the file.
    berichten.clear();
    ASSERT_TRUE(QDir(map).mkdir("sub"));
    kies(f, "eerste.gpx", false, {2012, 2007, 2008});
    int rij = -1;
    for (int i = 0; i < f.Dir1->listCount(); ++i) {
        if (f.Dir1->entry(i) == map + "/sub") rij = i;
    }
    ASSERT_GE(rij, 0);
    f.Dir1->setListIndex(rij);
    ASSERT_EQ(f.File1->fileName(), "eerste.gpx");
    klik(f);
    controleer(map + "/sub/eerste.gpx");
}

// Lets no file of this process grow beyond a few bytes while it lives, so that writing
// fails for root as well; the signal that the limit raises is ignored meanwhile.
class Bestandsgrens {
public:
    Bestandsgrens() {
        getrlimit(RLIMIT_FSIZE, &oud_);
        rlimit klein = oud_;
        klein.rlim_cur = 64;
        signaal_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &klein);
    }
    ~Bestandsgrens() {
        setrlimit(RLIMIT_FSIZE, &oud_);
        std::signal(SIGXFSZ, signaal_);
    }

private:
    rlimit oud_{};
    void (*signaal_)(int) = nullptr;
};

TEST_F(Doorloop, MislukteOpslagMeldtHetPadEnHerstelHetPaneel) {
    Venster v;
    Form1& f = v.f;
    const Proef p(binnen, buiten);
    schrijf(map + "/vondsten.gpx", gpx(p.vondsten));
    ASSERT_TRUE(QDir(map).mkdir("is-een-map"));
    const QString doelen[] = {map + "/bestaat-niet/Kavelzicht.bmp", map + "/is-een-map"};
    for (const QString& doel : doelen) {
        berichten.clear();
        kies(f, "vondsten.gpx", true, {2003, 2005, 2009});
        f.afbeeldingsnaam = doel;
        klik(f);
        ASSERT_EQ(berichten.size(), 4u);
        EXPECT_EQ(berichten[3].prompt, "Het overzicht kan niet worden opgeslagen als " + doel);
        EXPECT_EQ(berichten[3].titel, "Fout");
        EXPECT_EQ(berichten[3].stijl, 16);
        EXPECT_EQ(berichten[3].wijzer, tk::vbDefault);
        // The overview itself stands, and the panel has its normal look again.
        EXPECT_TRUE(f.Frame7->isVisible());
        EXPECT_FALSE(f.Frame6->isVisible());
        EXPECT_TRUE(f.terug->isVisible());
        EXPECT_EQ(tk::breedte(f.Frame10), 4575);
        EXPECT_EQ(f.aantal[1]->text(), "15");
    }
    EXPECT_TRUE(QFileInfo(map + "/is-een-map").isDir());

    // An earlier bitmap stays whole when its replacement cannot be written.
    berichten.clear();
    kies(f, "vondsten.gpx", true, {2003, 2005, 2009});
    klik(f);
    ASSERT_EQ(berichten.size(), 3u);
    const QByteArray eerder = lees(bmp());
    ASSERT_GT(eerder.size(), 632 * 688 * 3);
    kies(f, "vondsten.gpx", false, {2003, 2005, 2009});
    {
        const Bestandsgrens grens;
        klik(f);
    }
    ASSERT_EQ(berichten.size(), 7u);
    EXPECT_EQ(berichten[6].prompt, "Het overzicht kan niet worden opgeslagen als " + bmp());
    EXPECT_TRUE(lees(bmp()) == eerder);
    EXPECT_EQ(QDir(map).entryList(QDir::Files), (QStringList{"Kavelzicht.bmp", "vondsten.gpx"}));
    EXPECT_TRUE(f.terug->isVisible());
}

// The centre of cell k of a map, in window pixels.
QPoint midden(const Form1& f, const Kaart* kaart, int k) { return kaart->mapTo(&f, kaart->celRect(k).center()); }

TEST_F(Doorloop, BitmapToontHetResultaatpaneelZonderTerug) {
    Venster v;
    Form1& f = v.f;
    const Proef p(binnen, buiten);
    draai(f, "vondsten.gpx", p.vondsten, true, {2003, 2005, 2009});
    const QImage beeld = QImage(bmp()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(beeld.size(), QSize(632, 688));

    // The cells, read back from the file at their centres.
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(beeld.pixelColor(midden(f, f.vak, p.klassecel[i])), tk::naarQColor(p.klasse[i])) << i;
        EXPECT_EQ(beeld.pixelColor(midden(f, f.vak07, p.klassecel[i])), tk::naarQColor(p.klasse[i])) << i;
        EXPECT_EQ(beeld.pixelColor(midden(f, f.vak08, p.klassecel[i])), tk::naarQColor(rood_)) << i;
    }
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak, p.nepA)), tk::naarQColor(blauw_));
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak09, p.d)), tk::naarQColor(klasse4));
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak09, p.nepA)), tk::naarQColor(wit));
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak08, p.b)), tk::naarQColor(klasse1));
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak, buiten[5])), tk::naarQColor(wit));
    EXPECT_EQ(beeld.pixelColor(midden(f, f.vak, binnen[5])), tk::naarQColor(rood_));

    // Where "&Terug" stands on screen the picture shows the plain face of the widened
    // legend frame, whose right edge runs past the button's place.
    const QImage scherm = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect knop(f.terug->mapTo(&f, QPoint(0, 0)), f.terug->size());
    int inBeeld = 0, opScherm = 0;
    for (int y = knop.top() + 2; y <= knop.bottom() - 2; ++y) {
        for (int x = knop.left() + 2; x <= knop.right() - 2; ++x) {
            inBeeld += beeld.pixelColor(x, y) != tk::knopvlak;
            opScherm += scherm.pixelColor(x, y) != tk::knopvlak;
        }
    }
    EXPECT_EQ(inBeeld, 0);
    EXPECT_GT(opScherm, 20); // the button is drawn there on screen

    auto randen = [&](const QImage& im, int y, int van, int tot) {
        int n = 0;
        for (int x = van; x < tot; ++x) n += im.pixelColor(x, y) != tk::knopvlak;
        return n;
    };
    const QPoint legenda = f.Frame10->mapTo(&f, QPoint(0, 0));
    const int y = legenda.y() + f.Frame10->height() - 8;
    const int smal = legenda.x() + tk::pixelsX(4575), breed = legenda.x() + tk::pixelsX(5895);
    EXPECT_EQ(randen(beeld, y, smal - 6, smal + 1), 0);
    EXPECT_GT(randen(beeld, y, breed - 6, breed + 1), 0);
    EXPECT_GT(randen(scherm, y, smal - 6, smal + 1), 0);
    EXPECT_EQ(tk::breedte(f.Frame10), 4575);

    // The whole picture is the window as it stood during the export.
    f.terug->hide();
    tk::zetBreedte(f.Frame10, 5895);
    tk::DoEvents();
    EXPECT_EQ(f.grab().toImage().convertToFormat(QImage::Format_RGB32), beeld);
    EXPECT_EQ(f.Picture1->beeld.convertToFormat(QImage::Format_RGB32), beeld);
}

} // namespace
} // namespace kz
