// SPDX-License-Identifier: GPL-3.0-or-later
// The drive, folder and file lists of the input panel, and files dropped on it.
#include <QDragEnterEvent>
#include <QIconEngine>
#include <QMimeData>
#include <QProxyStyle>

#include "support/gebruiker.h"
#include "support/venstertest.h"

namespace kz {
namespace {

// Drags urls onto the file list: whether entering and dropping were accepted.
std::pair<bool, bool> sleep(Vensterinhoud& f, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint punt = f.invulpaneel->bestandlijst->mapTo(&f, f.invulpaneel->bestandlijst->rect().center());
    QDragEnterEvent binnen(punt, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &binnen);
    QDropEvent val(QPointF(punt), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &val);
    return {binnen.isAccepted(), val.isAccepted()};
}

void muis(QListWidget* lijst, int rij, int keer) {
    lijst->scrollToItem(lijst->item(rij));
    test::klik(lijst->viewport(), lijst->visualItemRect(lijst->item(rij)).center(), keer);
}

TEST(Lijsten, GpxFilterMarkerenOpenenSlepenEnTerugvalVanHetStation) {
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
#if defined(_WIN32)
    // One drive holds the current folder and the test's, as "/" does elsewhere.
    const QString wortel = map.left(3);
    const QString vorige = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(map).path()));
    const auto terug = qScopeGuard([vorige] { QDir::setCurrent(vorige); });
#else
    const QString wortel = "/";
#endif
    ASSERT_TRUE(tmp.isValid() && !QDir::currentPath().startsWith(map));
    for (const char* d : {"x.gpx", "b/diep", "A", ".git", "leeg", "stick"}) ASSERT_TRUE(QDir(map).mkpath(d));
    for (const char* b : {"a.GPX", "finds.gpx", "notes.txt", "oud.gpx.bak", ".verborgen.gpx", "b/c.gpx", "b/pq.Zip", "stick/r.GPX"})
        ASSERT_TRUE(QFile(map + "/" + b).open(QIODevice::WriteOnly)) << b;
    test::Berichten berichten;
    const QList<Volume> volumes = {{wortel, "", true}, {map + "/leeg", "LEEG", false}, {map + "/stick", "", true}};
    Vensterinhoud f(Vensterinhoud::Omgeving{"02-04-2009", [&] { return volumes; }, {}, {}, {}});
    f.show();
    ASSERT_EQ(f.invulpaneel->stationlijst->count(), 3);
    EXPECT_EQ(f.invulpaneel->stationlijst->wortel() + " " + f.invulpaneel->maplijst->map(), wortel + " " + QDir::currentPath());

    // Only "*.GPX" files, in any case; the file list follows the open folder.
    f.invulpaneel->maplijst->openMap(map);
    ASSERT_EQ(f.invulpaneel->bestandlijst->count(), 2);
    EXPECT_EQ(f.invulpaneel->bestandlijst->naam(0) + " " + f.invulpaneel->bestandlijst->naam(1), "a.GPX finds.gpx");
    f.invulpaneel->bestandlijst->kiesRij(1);

    // Root, the folders on the way down, the open folder, then its visible subfolders.
    const int open = f.invulpaneel->maplijst->currentRow();
    EXPECT_EQ(open, map.count('/'));
    QStringList onder{f.invulpaneel->maplijst->pad(0), f.invulpaneel->maplijst->pad(open - 1)};
    for (int i = open; i < f.invulpaneel->maplijst->count(); ++i) onder << f.invulpaneel->maplijst->pad(i).mid(map.size());
    EXPECT_EQ(onder, QStringList({wortel, QFileInfo(map).path(), "", "/A", "/b", "/leeg", "/stick", "/x.gpx"}));

    // A click only highlights: the open folder, the file list and its choice stay.
    muis(f.invulpaneel->maplijst, open + 2, 1);
    EXPECT_EQ(f.invulpaneel->maplijst->currentRow(), open + 2);
    EXPECT_EQ(f.invulpaneel->maplijst->map() + "/" + f.invulpaneel->bestandlijst->gekozenNaam(), map + "/finds.gpx");

    // A double click opens, and the file list follows with no choice made.
    muis(f.invulpaneel->maplijst, open + 2, 2);
    EXPECT_EQ(f.invulpaneel->maplijst->map(), map + "/b");
    EXPECT_EQ(std::pair(f.invulpaneel->bestandlijst->naam(0), f.invulpaneel->bestandlijst->gekozenRij()), std::pair(QString("c.gpx"), -1));

    f.invulpaneel->maplijst->setCurrentRow(open);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(f.invulpaneel->maplijst, &enter);
    EXPECT_EQ(f.invulpaneel->maplijst->map(), map);

    // Opening again lists anew; the chosen file stays chosen while there.
    f.invulpaneel->bestandlijst->kiesRij(1);
    ASSERT_TRUE(QFile(map + "/nieuw.gpx").open(QIODevice::WriteOnly));
    QApplication::sendEvent(f.invulpaneel->maplijst, &enter);
    EXPECT_EQ(std::pair(f.invulpaneel->bestandlijst->count(), f.invulpaneel->bestandlijst->gekozenNaam()), std::pair(3, QString("finds.gpx")));
    ASSERT_TRUE(QFile::remove(map + "/finds.gpx"));
    muis(f.invulpaneel->maplijst, open, 2);
    EXPECT_EQ(std::pair(f.invulpaneel->bestandlijst->count(), f.invulpaneel->bestandlijst->gekozenRij()), std::pair(2, -1));

    // A file in a folder that does not exist is not chosen, and the lists stay as they were.
    EXPECT_FALSE(f.invulpaneel->kiesGpxBestand(QFile::encodeName(map + "/weg/x.gpx")));
    EXPECT_EQ(std::pair(f.invulpaneel->maplijst->map(), f.invulpaneel->maplijst->count()), std::pair(map, open + 6));

    // A folder gone since it was listed: a message, the highlight back to the open folder.
    ASSERT_TRUE(QDir(map + "/A").removeRecursively());
    muis(f.invulpaneel->maplijst, open + 1, 2);
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(berichten.lijst[0].titel + ": " + berichten.lijst[0].prompt,
              "Fout: De map kan niet worden geopend:\n" + QDir::toNativeSeparators(map + "/A") + "\nDe map bestaat niet (meer).");
    EXPECT_EQ(f.invulpaneel->maplijst->currentRow(), open);
    berichten.lijst.clear();

    // The first arrow key selects the first file, and Enter on it starts the pass on that file,
    // not on one in a highlighted subfolder.
    f.invulpaneel->maplijst->setCurrentRow(f.invulpaneel->maplijst->count() - 1);
    f.invulpaneel->bestandlijst->setFocus(Qt::TabFocusReason);
    f.afbeeldingsnaam = map + "/Kavelzicht.bmp";
    test::Gpx().regel("<gpx><wpt lat=\"52.1\" lon=\"5.1\"></wpt></gpx>").schrijf((map + "/a.GPX").toStdString());
    QKeyEvent omlaag(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(f.invulpaneel->bestandlijst, &omlaag);
    EXPECT_EQ(f.invulpaneel->bestandlijst->gekozenNaam(), "a.GPX");
    QApplication::sendEvent(f.invulpaneel->bestandlijst, &enter);
    ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
    // Waypoints not on lines of their own: the map, and a notice why it has no finds (each
    // reason's text: teksten_test).
    EXPECT_TRUE(f.resultaatpaneel->isVisible());
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(std::tuple(berichten.lijst[0].titel, berichten.lijst[0].soort), std::tuple("Geen vondsten", bericht::Soort::informatie));
    EXPECT_TRUE(berichten.lijst[0].prompt.contains("niet elk aan het begin van een eigen regel"));
    // A waypoint without a found date: the notice counts it.
    f.terug();
    test::Gpx().wpt("52.1", "5.1", 0).schrijf((map + "/a.GPX").toStdString());
    f.maakOverzicht();
    ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
    ASSERT_EQ(berichten.lijst.size(), 2u);
    EXPECT_TRUE(berichten.lijst[1].prompt.startsWith("Het bestand bevat 1 waypoint, maar")) << berichten.lijst[1].prompt.toStdString();
    f.terug();
    berichten.lijst.clear();
    f.invulpaneel->bestandlijst->toonMap(map + "/weg");
    EXPECT_EQ(f.invulpaneel->bestandlijst->count(), 0);

    // A ready volume: the folder list opens on its root, the file list follows.
    f.invulpaneel->stationlijst->setCurrentIndex(2);
    EXPECT_EQ(f.invulpaneel->maplijst->map() + "/" + f.invulpaneel->bestandlijst->naam(0), map + "/stick/r.GPX");

    // A volume that is not ready: back to the current folder's volume, no message.
    f.invulpaneel->stationlijst->setCurrentIndex(1);
    EXPECT_EQ(f.invulpaneel->stationlijst->currentIndex(), 0);
    EXPECT_EQ(f.invulpaneel->maplijst->map() + " " + f.invulpaneel->bestandlijst->map(), QDir::currentPath() + " " + QDir::currentPath());

    EXPECT_EQ(std::pair(volumeVan(volumes, map + "/stick/sub"), volumeVan(volumes, map + "/stickje")), std::pair(2, 0));

    // Only an existing GPX file or ZIP dropped on the input panel is chosen, on its own volume.
    const auto url = [&map](const char* naam) { return QUrl::fromLocalFile(map + naam); };
    const QString vooraf = f.invulpaneel->maplijst->map() + " " + f.invulpaneel->bestandlijst->gekozenNaam();
    for (const QList<QUrl>& urls : {QList{url("/notes.txt")}, QList{url("/a.GPX"), url("/b/c.gpx")}, QList{url("/weg.gpx")},
                                    QList{url("/x.gpx")}, QList{url("/.verborgen.gpx")},
                                    QList{QUrl(QStringLiteral("https://example.org/vondsten.gpx"))}}) {
        EXPECT_EQ(sleep(f, urls), std::pair(false, false)) << urls.first().toString().toStdString();
        EXPECT_EQ(f.invulpaneel->maplijst->map() + " " + f.invulpaneel->bestandlijst->gekozenNaam(), vooraf);
    }
    EXPECT_EQ(sleep(f, {url("/stick/r.GPX")}), std::pair(true, true));
    EXPECT_EQ(QStringList({f.invulpaneel->stationlijst->wortel(), f.invulpaneel->maplijst->map(), f.invulpaneel->maplijst->pad(f.invulpaneel->maplijst->currentRow()),
                           f.invulpaneel->bestandlijst->gekozenNaam()}), QStringList({map + "/stick", map + "/stick", map + "/stick", "r.GPX"}));
    EXPECT_EQ(sleep(f, {url("/b/pq.Zip")}), std::pair(true, true));
    EXPECT_EQ(f.invulpaneel->bestandlijst->gekozenNaam(), "pq.Zip");
    // The result panel takes none.
    f.invulpaneel->hide();
    f.resultaatpaneel->show();
    EXPECT_EQ(sleep(f, {url("/a.GPX")}), std::pair(false, false));
    EXPECT_EQ(f.invulpaneel->bestandlijst->gekozenNaam(), "pq.Zip");
    EXPECT_TRUE(berichten.lijst.empty());

    // The real system: the root first, the current folder on a volume, no kernel file systems.
    const QList<Volume> systeem = systeemVolumes();
    ASSERT_FALSE(systeem.isEmpty());
    EXPECT_TRUE(volumeVan(systeem, QDir::currentPath()) >= 0);
#if defined(_WIN32)
    // Drive letters, shown as "C:"; a path in either case lies on its drive, shown alike in both lists.
    for (const Volume& v : systeem) EXPECT_TRUE(v.wortel.size() == 3 && v.wortel.endsWith(":/")) << v.wortel.toStdString();
    EXPECT_EQ(volumeVan(systeem, QDir::currentPath().toLower()), volumeVan(systeem, QDir::currentPath()));
    Vensterinhoud echt(Vensterinhoud::Omgeving{"02-04-2009", {}, {}, {}, {}});
    EXPECT_EQ(echt.invulpaneel->stationlijst->currentText().left(2) + "\\", echt.invulpaneel->maplijst->item(0)->text());
    EXPECT_EQ(echt.invulpaneel->maplijst->map(), QDir::currentPath());
    echt.invulpaneel->maplijst->openMap(QDir::toNativeSeparators(map + "/stick"));
    EXPECT_EQ(echt.invulpaneel->maplijst->map() + " " + echt.invulpaneel->bestandlijst->naam(0), map + "/stick r.GPX");
#else
    EXPECT_EQ(systeem.first().wortel, "/");
    for (const Volume& v : systeem) EXPECT_FALSE(v.wortel.startsWith("/proc") || v.wortel.startsWith("/sys"));
#endif
}

// A start folder that is gone or cannot be read: the lists open on the nearest one above.
TEST(Lijsten, EenStartmapDieNietOpengaatOpentDeMapErboven) {
    if (bool geslaagd = false; test::alsGewoneGebruiker(geslaagd)) {
        EXPECT_TRUE(geslaagd) << "als gewone gebruiker";
        return;
    }
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
    ASSERT_TRUE(QDir(map).mkpath("dicht/binnen") && QFile(map + "/a.gpx").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::setPermissions(map + "/dicht", QFileDevice::WriteOwner));
    QStringList starts;
#if !defined(_WIN32)
    // (On Windows the permissions only make a folder read-only; it can still be listed.)
    starts << map + "/dicht/binnen";
#endif
    starts << map + "/weg/ook";
    for (const QString& start : starts) {
        Vensterinhoud f(Vensterinhoud::Omgeving{"02-04-2009", {}, start, {}, {}});
        EXPECT_EQ(f.invulpaneel->maplijst->map(), map) << start.toStdString();
        EXPECT_EQ(f.invulpaneel->bestandlijst->naam(0), "a.gpx");
    }
    QFile::setPermissions(map + "/dicht", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Folder icons that come out larger (as GNOME's, 24 pixels for 16) keep the rows one line high.
TEST(Lijsten, DeMappenlijstHoudtKleinePictogrammen) {
    struct Groot : QIconEngine {
        void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
        QIconEngine* clone() const override { return new Groot; }
        QSize actualSize(const QSize&, QIcon::Mode, QIcon::State) override { return {24, 24}; }
    };
    struct Thema : QProxyStyle {
        QIcon standardIcon(StandardPixmap, const QStyleOption*, const QWidget*) const override { return QIcon(new Groot); }
    } thema;
    std::array<int, 2> hoogte{};
    for (QStyle* stijl : {QApplication::style(), static_cast<QStyle*>(&thema)}) {
        Maplijst lijst;
        lijst.setStyle(stijl);
        lijst.openMap(QDir::tempPath());
        lijst.show();
        hoogte[stijl == &thema] = lijst.visualItemRect(lijst.item(0)).height();
    }
    EXPECT_EQ(hoogte[1], hoogte[0]);
}

// A Latin-1 name, listed with its byte shown, read by its bytes when chosen or dropped.
TEST(Slepen, EenNaamDieGeenTekstIsWordtGetoondGekozenEnGelezen) {
#if defined(_WIN32)
    GTEST_SKIP() << "op Windows is elke bestandsnaam tekst";
#else
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
    const QByteArray naam("caf\xe9.gpx"), pad = QFile::encodeName(map) + '/' + naam;
    test::Gpx().in(test::Gpx::vakken(true)[0], 2009).schrijf(std::filesystem::path(pad.toStdString()));
    if (!std::filesystem::exists(std::filesystem::path(pad.toStdString())))
        GTEST_SKIP() << "het bestandssysteem weigert de naam";
    // (QTemporaryDir, listing with Qt, would not see it.)
    const auto weg = qScopeGuard([&pad] { std::filesystem::remove(std::filesystem::path(pad.toStdString())); });
    ASSERT_TRUE(QFile(map + "/cafe.gpx").open(QIODevice::WriteOnly));
    test::Berichten berichten;
    Vensterinhoud f(Vensterinhoud::Omgeving{"02-04-2009", {}, map, {}, {}});
    f.afbeeldingsnaam = map + "/Kavelzicht.bmp";
    f.show();
    ASSERT_EQ(f.invulpaneel->bestandlijst->count(), 2);
    EXPECT_EQ(f.invulpaneel->bestandlijst->naam(0) + " " + f.invulpaneel->bestandlijst->naam(1), "caf\\xE9.gpx cafe.gpx");

    const auto gelezen = [&](const char* hoe) {
        ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
        EXPECT_TRUE(f.resultaatpaneel->isVisible() && berichten.lijst.empty()) << hoe;
        EXPECT_EQ(f.statustekst().left(map.size() + 12), map + "/caf\\xE9.gpx") << hoe;
        EXPECT_EQ(f.invulpaneel->bestandlijst->gekozenNaam(), "caf\\xE9.gpx") << hoe;
        f.terug();
        f.invulpaneel->bestandlijst->kiesRij(-1);
    };
    f.invulpaneel->bestandlijst->kiesRij(0);
    f.maakOverzicht();
    gelezen("de lijst");
    // As a file manager's uri-list has it, the byte percent-encoded.
    EXPECT_EQ(sleep(f, {QUrl(QString::fromLatin1("file://" + pad.toPercentEncoding("/")))}), std::make_pair(true, true));
    f.maakOverzicht();
    gelezen("slepen");
#endif
}

} // namespace
} // namespace kz
