// Whole overview passes on the window, run by clicking "&Maak overzicht" over small GPX
// files written into a temporary folder: label texts per locale, map colours, the year
// order, two passes in a row, the messages, the failures and the saved bitmap.
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <tuple>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "window/form1.h"
#include "window/toolkit.h"

// Readable QString values in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kz {
namespace {

constexpr Kleur rood_ = rgb(255, 0, 0), groen_ = rgb(0, 255, 0), wit = rgb(255, 255, 255), blauw_ = rgb(0, 0, 255);
// Count classes 1, 2-3, 4-6 and 16 and more.
constexpr Kleur klasse1 = rgb(128, 255, 128), klasse2 = rgb(0, 255, 0), klasse4 = rgb(0, 192, 0),
                klasse16 = rgb(0, 0, 0);
using Vier = std::array<Kleur, 4>; // main map, then the three year maps

// A waypoint as the found-log export writes it: one element per line, CR LF line ends;
// jaar 0 leaves out the found date.
QByteArray wpt(const QString& lat, const QString& lon, int jaar, bool nl = true) {
    return "<wpt lat=\"" + lat.toUtf8() + "\" lon=\"" + lon.toUtf8() + "\">\r\n<groundspeak:country>" +
           (nl ? "Netherlands" : "Belgium") + "</groundspeak:country>\r\n" +
           (jaar ? "<gsak:UserFound>" + QByteArray::number(jaar) + "-06-15</gsak:UserFound>\r\n" : "") + "</wpt>\r\n";
}
// The latitude of a point in cell k; fractie places it within the cell's band.
QString breedte(int k, double fractie) { return QString::number((rijVanIndex(k) + fractie) / 10, 'f', 2); }
QByteArray in(int k, int jaar, bool nl = true, double fractie = 0.5) {
    return wpt(breedte(k, fractie), QString::number((kolomVanIndex(k) + 0.5) / 12, 'f', 6), jaar, nl);
}

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Vier kleuren(const Form1& f, int k) {
    return {f.vak->kleur(k), f.vak07->kleur(k), f.vak08->kleur(k), f.vak09->kleur(k)};
}

// All that a pass shows: the eleven statistics labels, the three year-frame captions, the
// three year boxes, then every map colour.
QStringList stand(const Form1& f) {
    QStringList t;
    for (const QLabel* l : {f.aantal[0], f.aantal[1], f.perc[0], f.perc[1], f.Label1[2], f.Label1[3], f.nlcache,
                            f.totcache, f.nrjr1, f.nrjr2, f.nrjr3})
        t << l->text();
    for (const Kader* k : {f.Frame3, f.Frame4, f.Frame5}) t << k->title();
    for (const QComboBox* j : f.jaar) t << j->currentText();
    for (const Kaart* k : {f.vak, f.vak07, f.vak08, f.vak09})
        for (int i = 0; i < Kaart::aantal; ++i) t << QString::number(k->kleur(i), 16);
    return t;
}
// The number of main-map cells of colour k.
int telKleur(const Form1& f, Kleur k) { return int(stand(f).mid(17, Kaart::aantal).count(QString::number(k, 16))); }

class Doorloop : public ::testing::Test {
protected:
    struct Bericht { QString prompt; int stijl; QString titel; int wijzer; }; // wijzer: the pointer meanwhile

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        map = QDir(tmp.path()).canonicalPath();
        for (int k = 0; k < aantalVakken; ++k) (f.nl(rijVanIndex(k), kolomVanIndex(k)) ? binnen : buiten).push_back(k);
        veel = binnen[100], a = binnen[40], b = binnen[41], c = binnen[42], d = binnen[500];
        nepA = buiten[0], nepB = buiten[300], nepC = buiten[688];
        proef = in(nepC, 2009, true, 0.3);
        for (int n = 0; n < 16; ++n) proef += in(veel, 2003);
        proef += in(nepA, 2003, true, 0.2);
        for (int jaar : {2003, 2005, 2005}) proef += in(a, jaar);
        for (int jaar : {2000, 2005}) proef += in(b, jaar);
        for (int jaar : {2016, 2000}) proef += in(c, jaar);
        proef += in(nepB, 2016);
        for (int jaar : {2001, 2009, 2009, 2009, 2009, 2009}) proef += in(d, jaar);
        proef += in(nepA, 2003, true, 0.7) + in(binnen[7], 2003, false);
        vorigeFunctie = tk::zetBerichtFunctie([this](const QString& prompt, int stijl, const QString& titel) {
            berichten.push_back({prompt, stijl, titel, tk::MousePointer(*actief)});
        });
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        f.show();
    }
    void TearDown() override {
        tk::zetBerichtFunctie(vorigeFunctie);
        QLocale::setDefault(vorigeLocale);
    }

    void schrijf(const QString& naam, const QByteArray& waypoints) {
        QFile bestand(map + "/" + naam);
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
        bestand.write("<gpx version=\"1.0\">\r\n" + waypoints + "</gpx>\r\n");
    }
    // Opens the folder in the lists (the file list read anew), selects the file when
    // given, and sets the shading and the year boxes.
    void kies(Form1& w, const QString& naam, bool schakering, std::array<int, 3> jaren) {
        w.Dir1->setPath(map);
        w.File1->setPath(map);
        for (int i = 0; i < w.File1->listCount(); ++i)
            if (w.File1->entry(i) == naam) w.File1->setListIndex(i);
        EXPECT_TRUE(naam.isEmpty() || w.File1->fileName() == naam) << naam.toStdString();
        w.kleurvariant->setChecked(schakering);
        for (int k = 0; k < 3; ++k) w.jaar[k]->setCurrentIndex(jaren[k] - 2001);
        w.afbeeldingsnaam = bmp();
    }
    // Presses "&Maak overzicht" (after "&Terug" when the result panel is up); every pass,
    // whatever its end, leaves the default pointer.
    void klik(Form1& w) {
        actief = &w;
        if (w.Frame7->isVisible()) w.terug->click();
        w.Maakoverzicht->click();
        EXPECT_EQ(tk::MousePointer(w), tk::vbDefault);
    }
    void draai(const QString& naam, const QByteArray& waypoints, bool schakering, std::array<int, 3> jaren) {
        schrijf(naam, waypoints);
        kies(f, naam, schakering, jaren);
        klik(f);
    }
    QString bmp() const { return map + "/Kavelzicht.bmp"; }

    Form1 f{Form1::Omgeving{"02-04-2009", {}, {}}};
    QTemporaryDir tmp;
    QString map;
    std::vector<int> binnen, buiten; // cells inside and outside the Dutch region mask
    // The file "proef": 34 finds, 33 of them Dutch, for passes over 2003, 2005 and 2009.
    QByteArray proef;
    int veel, a, b, c, d; // mask cells: 16 finds in 2003; finds in several years
    int nepA, nepB, nepC; // cells outside the mask with finds
    std::vector<Bericht> berichten;
    Form1* actief = &f;
    tk::BerichtFunctie vorigeFunctie;
    QLocale vorigeLocale;
};

TEST_F(Doorloop, TellingenEnTekstenVolgenDeLandinstelling) {
    // Finds abroad (also at Dutch coordinates) and a Dutch waypoint without a found date,
    // in a file whose name is not plain ASCII.
    draai("buitenland café.gpx", in(binnen[0], 2008, false) + in(buiten[0], 2009, false) + in(binnen[9], 0), true,
          {2007, 2008, 2009});
    EXPECT_TRUE(berichten.empty());
    EXPECT_EQ(stand(f).mid(0, 11), (QStringList{"627", "0", "100,0%", "0,0%", "Regio zonder Nederlandse caches (689)",
                                                 "Gevonden cache in 'fake'-Regio (0)", "0", "2", "0 (0)", "0 (0)",
                                                 "0 (0)"}));
    EXPECT_TRUE(f.Frame7->isVisible() && f.terug->isVisible() && !f.Frame6->isVisible());

    // 235 mask cells with finds, some twice; a Dutch find outside the grid counts among the
    // Dutch finds and warns, one without a found date counts nowhere, one abroad only in the total.
    QByteArray vondsten = wpt("50.65", "5.5", 2009) + in(binnen[300], 0) + in(binnen[301], 2009, false);
    for (int i = 0; i < 245; ++i) vondsten += in(binnen[i % 235], 2005 + i % 7);
    draai("vondsten.gpx", vondsten, false, {2007, 2008, 2009});
    EXPECT_EQ(stand(f).mid(0, 8), (QStringList{"392", "235", "62,5%", "37,5%", "Regio zonder Nederlandse caches (689)",
                                                "Gevonden cache in 'fake'-Regio (0)", "246", "247"}));
    ASSERT_EQ(berichten.size(), 1u);
    EXPECT_EQ(berichten[0].titel, "Verdwaald?");
    EXPECT_TRUE(berichten[0].prompt.startsWith("Een cache met de coordinaten: N50,65  E5,5 ligt buiten"));

    // The same file under a full-stop locale; the warning follows it as well.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    klik(f);
    EXPECT_EQ(stand(f).mid(0, 4), (QStringList{"392", "235", "62.5%", "37.5%"}));
    ASSERT_EQ(berichten.size(), 2u);
    EXPECT_TRUE(berichten[1].prompt.startsWith("Een cache met de coordinaten: N50.65  E5.5 ligt buiten"));
}

TEST_F(Doorloop, KaartenEnBitmapKleurenNaarAantalJaarEnMasker) {
    draai("proef.gpx", proef, true, {2003, 2005, 2009});
    EXPECT_EQ(kleuren(f, veel), (Vier{klasse16, klasse16, rood_, rood_}));
    EXPECT_EQ(kleuren(f, a), (Vier{klasse2, klasse1, klasse2, rood_}));
    EXPECT_EQ(kleuren(f, b), (Vier{klasse2, rood_, klasse1, rood_}));
    EXPECT_EQ(kleuren(f, c), (Vier{klasse2, rood_, rood_, rood_})); // 2000 and 2016: main map only
    EXPECT_EQ(kleuren(f, d), (Vier{klasse4, rood_, rood_, klasse4}));
    EXPECT_EQ(kleuren(f, nepA), (Vier{blauw_, blauw_, wit, wit}));
    EXPECT_EQ(kleuren(f, nepB), (Vier{blauw_, wit, wit, wit}));
    EXPECT_EQ(kleuren(f, nepC), (Vier{blauw_, wit, wit, blauw_}));
    EXPECT_EQ(kleuren(f, binnen[7]), (Vier{rood_, rood_, rood_, rood_})); // found abroad
    EXPECT_EQ(telKleur(f, rood_), 627 - 5);
    // The cell of 2003 is not new in 2005, the one of 2000 is; 2001 makes d old in 2009.
    const QStringList teksten = stand(f).mid(0, 11);
    EXPECT_EQ(teksten.mid(4), (QStringList{"Regio zonder Nederlandse caches (686)", "Gevonden cache in 'fake'-Regio (3)",
                                            "33", "34", "2 (2)", "2 (1)", "1 (0)"}));

    // One warning per find in a cell outside the mask with a year of its own, in file
    // order, while the hourglass is up; the find of 2016 raises none.
    ASSERT_EQ(berichten.size(), 3u);
    const std::pair<int, double> nep[] = {{nepC, 0.3}, {nepA, 0.2}, {nepA, 0.7}};
    for (int i = 0; i < 3; ++i) {
        const QString begin = "Een cache met de coordinaten: N" + breedte(nep[i].first, nep[i].second).replace('.', ',');
        EXPECT_TRUE(berichten[i].prompt.startsWith(begin)) << berichten[i].prompt.toStdString();
        EXPECT_EQ(std::tuple(berichten[i].titel, berichten[i].stijl, berichten[i].wijzer),
                  std::tuple("Fake?", 16, tk::vbHourglass));
    }

    // The bitmap: cell colours read back from the file on all four maps, and the whole
    // picture the window as it stood during the export, without "&Terug" and with the class
    // legend widened to 5895 twips; both are undone on screen afterwards.
    const QImage beeld = QImage(bmp()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(beeld.size(), QSize(632, 688));
    const std::array<const Kaart*, 4> kaarten{f.vak, f.vak07, f.vak08, f.vak09};
    for (int k : {veel, a, b, d, nepA, nepC, buiten[5], binnen[5]})
        for (int m = 0; m < 4; ++m)
            EXPECT_EQ(beeld.pixelColor(kaarten[m]->mapTo(&f, kaarten[m]->celRect(k).center())),
                      tk::naarQColor(kleuren(f, k)[m])) << k << " on map " << m;
    EXPECT_TRUE(f.terug->isVisible());
    EXPECT_EQ(tk::breedte(f.Frame10), 4575);
    EXPECT_NE(f.grab().toImage().convertToFormat(QImage::Format_RGB32), beeld);
    f.terug->hide();
    tk::zetBreedte(f.Frame10, 5895);
    tk::DoEvents();
    EXPECT_EQ(f.grab().toImage().convertToFormat(QImage::Format_RGB32), beeld);
    EXPECT_EQ(f.Picture1->beeld.convertToFormat(QImage::Format_RGB32), beeld);
    f.terug->show();

    // Shading off: one green for every visited region and no class legend; the blue, the
    // texts and the warnings stay.
    f.kleurvariant->setChecked(false);
    klik(f);
    EXPECT_FALSE(f.Frame10->isVisibleTo(f.Frame7));
    EXPECT_EQ(kleuren(f, veel), (Vier{groen_, groen_, rood_, rood_}));
    EXPECT_EQ(kleuren(f, a), (Vier{groen_, groen_, groen_, rood_}));
    EXPECT_EQ(kleuren(f, nepC), (Vier{blauw_, wit, wit, blauw_}));
    EXPECT_EQ(telKleur(f, groen_), 5);
    EXPECT_EQ(stand(f).mid(0, 11), teksten);
    EXPECT_EQ(berichten.size(), 6u);
}

TEST_F(Doorloop, TweedeDoorloopVervangtAllesEnMislukteOpslagLaatDeBitmapHeel) {
    draai("eerste.gpx", proef, true, {2003, 2005, 2009});
    const QByteArray eersteBeeld = lees(bmp());
    draai("tweede.gpx", in(binnen[3], 2012) + in(binnen[3], 2012) + in(binnen[600], 2004) + in(binnen[9], 2014, false),
          false, {2014, 2004, 2012});
    EXPECT_EQ(stand(f).mid(11, 6), (QStringList{"2004", "2012", "2014", "2004", "2012", "2014"}));

    // A window that only ever saw the second file shows the same and saves the same picture.
    Form1 vers{Form1::Omgeving{"02-04-2009", {}, {}}};
    vers.show();
    kies(vers, "tweede.gpx", false, {2014, 2004, 2012});
    vers.afbeeldingsnaam = map + "/vers.bmp";
    klik(vers);
    EXPECT_TRUE(stand(f) == stand(vers));
    const QByteArray tweedeBeeld = lees(bmp());
    EXPECT_NE(tweedeBeeld, eersteBeeld);
    EXPECT_EQ(QImage(bmp()), QImage(map + "/vers.bmp"));

    // The first file again, while no file of the process may grow beyond 64 bytes (this
    // stops root as well; the signal that the limit raises is ignored meanwhile).
    berichten.clear();
    kies(f, "eerste.gpx", true, {2003, 2005, 2009});
    rlimit oud{};
    getrlimit(RLIMIT_FSIZE, &oud);
    const rlimit klein{64, oud.rlim_max};
    const auto signaal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    klik(f);
    setrlimit(RLIMIT_FSIZE, &oud);
    std::signal(SIGXFSZ, signaal);
    ASSERT_EQ(berichten.size(), 4u); // after the three warnings
    EXPECT_EQ(std::tuple(berichten[3].prompt, berichten[3].titel, berichten[3].wijzer),
              std::tuple("Het overzicht kan niet worden opgeslagen als " + bmp(), "Fout", tk::vbDefault));
    // The overview stands with the panel's normal look; the earlier bitmap is whole.
    EXPECT_TRUE(f.Frame7->isVisible() && f.terug->isVisible());
    EXPECT_EQ(tk::breedte(f.Frame10), 4575);
    EXPECT_EQ(f.aantal[1]->text(), "5");
    EXPECT_TRUE(lees(bmp()) == tweedeBeeld);
    EXPECT_EQ(QDir(map).entryList(QDir::Files),
              (QStringList{"eerste.gpx", "Kavelzicht.bmp", "tweede.gpx", "vers.bmp"}));
}

TEST_F(Doorloop, ZonderLeesbaarBestandAlleenDeMeldingEnBlijftHetVorigeOverzicht) {
    draai("eerste.gpx", proef, true, {2003, 2005, 2009});
    const QStringList eerder = stand(f);
    const QByteArray eerderBeeld = lees(bmp());
    berichten.clear();
    ASSERT_TRUE(QDir(map).mkdir("sub"));

    // Nothing is counted, drawn or saved, and the year boxes are not yet sorted.
    auto controleer = [&](const QString& prompt) {
        ASSERT_EQ(berichten.size(), 1u);
        EXPECT_EQ(std::tuple(berichten[0].prompt, berichten[0].titel, berichten[0].stijl, berichten[0].wijzer),
                  std::tuple(prompt, "Fout", 16, tk::vbDefault));
        EXPECT_TRUE(f.Frame6->isVisible() && !f.Frame7->isVisible());
        const QStringList nu = stand(f);
        EXPECT_EQ(nu.mid(14, 3), (QStringList{"2012", "2007", "2008"}));
        EXPECT_TRUE(nu.mid(0, 14) + nu.mid(17) == eerder.mid(0, 14) + eerder.mid(17));
        EXPECT_TRUE(lees(bmp()) == eerderBeeld);
        berichten.clear();
    };

    // No file selected; the class legend already follows the shading choice.
    kies(f, "", false, {2012, 2007, 2008});
    ASSERT_EQ(f.File1->listIndex(), -1);
    klik(f);
    controleer("U dient nog een GPX-bestand te selecteren");
    EXPECT_FALSE(f.Frame10->isVisibleTo(f.Frame7));

    // The file is sought in the folder highlighted in the folder list (its last entry, the
    // only subfolder), which is not opened and does not hold it.
    kies(f, "eerste.gpx", false, {2012, 2007, 2008});
    f.Dir1->setListIndex(f.Dir1->listCount() - 1);
    ASSERT_EQ(f.Dir1->entry(f.Dir1->listIndex()), map + "/sub");
    klik(f);
    controleer("Het GPX-bestand kan niet worden geopend:\n" + map + "/sub/eerste.gpx");
}

} // namespace
} // namespace kz
