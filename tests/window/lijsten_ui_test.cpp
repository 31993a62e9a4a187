// The drive, folder and file lists of the input panel and how they follow each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {
namespace {

void maakBestand(const QString& pad) {
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

void muis(QListWidget* lijst, int rij, QEvent::Type soort) {
    lijst->scrollToItem(lijst->item(rij));
    const QPointF punt = lijst->visualItemRect(lijst->item(rij)).center();
    QMouseEvent e(soort, punt, lijst->viewport()->mapToGlobal(punt), Qt::LeftButton,
                  soort == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lijst->viewport(), &e);
}

void klik(QListWidget* lijst, int rij) {
    muis(lijst, rij, QEvent::MouseButtonPress);
    muis(lijst, rij, QEvent::MouseButtonRelease);
}

void dubbelklik(QListWidget* lijst, int rij) {
    klik(lijst, rij);
    muis(lijst, rij, QEvent::MouseButtonDblClick);
    muis(lijst, rij, QEvent::MouseButtonRelease);
}

int rijVan(const Maplijst* lijst, const QString& pad) {
    for (int i = 0; i < lijst->listCount(); ++i) {
        if (lijst->entry(i) == pad) return i;
    }
    return -1;
}

class Lijsten : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        map = QDir(tmp.path()).canonicalPath();
        maakBestand(map + "/a.GPX");
        maakBestand(map + "/finds.gpx");
        maakBestand(map + "/notes.txt");
        maakBestand(map + "/oud.gpx.bak");
        maakBestand(map + "/.verborgen.gpx");
        ASSERT_TRUE(QDir(map).mkpath("x.gpx"));
        ASSERT_TRUE(QDir(map).mkpath("b/diep"));
        ASSERT_TRUE(QDir(map).mkpath("A"));
        ASSERT_TRUE(QDir(map).mkpath(".git"));
        maakBestand(map + "/b/c.gpx");
        vorige = tk::zetBerichtFunctie([this](const QString&, int, const QString&) { ++berichten; });
    }
    void TearDown() override { tk::zetBerichtFunctie(vorige); }

    QTemporaryDir tmp;
    QString map;
    int berichten = 0;
    tk::BerichtFunctie vorige;
};

TEST_F(Lijsten, BestandenlijstToontAlleenGpxBestanden) {
    Form1 f(Form1::Omgeving{"02-04-2009", {}});
    EXPECT_EQ(f.File1->path(), QDir::currentPath());
    EXPECT_EQ(f.Dir1->path(), QDir::currentPath());

    f.File1->setPath(map);
    ASSERT_EQ(f.File1->listCount(), 2);
    EXPECT_EQ(f.File1->entry(0), "a.GPX");
    EXPECT_EQ(f.File1->entry(1), "finds.gpx");
    EXPECT_EQ(f.File1->listIndex(), -1);
    EXPECT_EQ(f.File1->fileName(), "");
    f.File1->setListIndex(1);
    EXPECT_EQ(f.File1->listIndex(), 1);
    EXPECT_EQ(f.File1->fileName(), "finds.gpx");

    // A new folder drops the selection; a folder without GPX files lists nothing.
    f.File1->setPath(map + "/A");
    EXPECT_EQ(f.File1->listCount(), 0);
    EXPECT_EQ(f.File1->listIndex(), -1);
    f.File1->setPath(map + "/bestaat-niet");
    EXPECT_EQ(f.File1->listCount(), 0);
}

TEST_F(Lijsten, MappenlijstMarkeertMetEenKlikEnOpentMetDubbelklikOfEnter) {
    Form1 f(Form1::Omgeving{"02-04-2009", {}});
    f.show();
    f.Dir1->setPath(map);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.File1->path(), map); // the file list follows the open folder
    EXPECT_EQ(f.File1->listCount(), 2);

    // Root, the folders on the way down, the open folder, then its visible subfolders.
    const int open = f.Dir1->listIndex();
    EXPECT_EQ(f.Dir1->entry(0), "/");
    EXPECT_EQ(f.Dir1->entry(open), map);
    EXPECT_EQ(open, map.count('/'));
    ASSERT_EQ(f.Dir1->listCount(), open + 4);
    EXPECT_EQ(f.Dir1->entry(open + 1), map + "/A");
    EXPECT_EQ(f.Dir1->entry(open + 2), map + "/b");
    EXPECT_EQ(f.Dir1->entry(open + 3), map + "/x.gpx");
    EXPECT_EQ(f.Dir1->entry(open - 1), QFileInfo(map).path());

    // A click only highlights: the open folder and the file list stay.
    klik(f.Dir1, open + 2);
    EXPECT_EQ(f.Dir1->listIndex(), open + 2);
    EXPECT_EQ(f.Dir1->entry(f.Dir1->listIndex()), map + "/b");
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.File1->path(), map);

    // A double click opens, and the file list follows.
    dubbelklik(f.Dir1, open + 2);
    EXPECT_EQ(f.Dir1->path(), map + "/b");
    EXPECT_EQ(f.Dir1->entry(f.Dir1->listIndex()), map + "/b");
    EXPECT_EQ(f.File1->path(), map + "/b");
    ASSERT_EQ(f.File1->listCount(), 1);
    EXPECT_EQ(f.File1->entry(0), "c.gpx");

    // Enter opens the highlighted entry: here the parent folder.
    f.Dir1->setListIndex(rijVan(f.Dir1, map));
    EXPECT_EQ(f.Dir1->path(), map + "/b");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(f.Dir1, &enter);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.File1->listCount(), 2);

    // A folder that does not exist is refused and the list stays as it was.
    try {
        f.Dir1->setPath(map + "/weg");
        ADD_FAILURE() << "no error";
    } catch (const tk::Fout& fout) {
        EXPECT_EQ(fout.nummer(), tk::foutPadNietGevonden);
    }
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.Dir1->listCount(), open + 4);
    EXPECT_EQ(berichten, 0);
}

TEST_F(Lijsten, StationDatNietGereedIsValtTerugOpHetStationVanDeHuidigeMap) {
    ASSERT_TRUE(QDir(map).mkpath("leeg"));
    ASSERT_TRUE(QDir(map).mkpath("stick"));
    maakBestand(map + "/stick/route.GPX");
    ASSERT_FALSE(QDir::currentPath().startsWith(map));
    const QList<Volume> volumes = {{"/", "", true}, {map + "/leeg", "LEEG", false}, {map + "/stick", "", true}};
    Form1 f(Form1::Omgeving{"02-04-2009", [&] { return volumes; }});
    ASSERT_EQ(f.Drive1->count(), 3);
    EXPECT_EQ(f.Drive1->drive(), "/");
    EXPECT_EQ(f.Dir1->path(), QDir::currentPath());

    // A ready volume: the folder list opens on its root, the file list follows.
    f.Drive1->setCurrentIndex(2);
    EXPECT_EQ(f.Dir1->path(), map + "/stick");
    EXPECT_EQ(f.File1->path(), map + "/stick");
    EXPECT_EQ(f.File1->entry(0), "route.GPX");

    // A volume that is not ready: back to the current folder's volume, no message.
    f.Drive1->setCurrentIndex(1);
    EXPECT_EQ(f.Drive1->currentIndex(), 0);
    EXPECT_EQ(f.Drive1->drive(), "/");
    EXPECT_EQ(f.Dir1->path(), QDir::currentPath());
    EXPECT_EQ(f.File1->path(), QDir::currentPath());
    EXPECT_EQ(berichten, 0);

    // Setting the drive from a path picks the innermost volume that holds it.
    f.Drive1->setDrive(map + "/stick/sub");
    EXPECT_EQ(f.Drive1->drive(), map + "/stick");
    EXPECT_EQ(volumeVan(volumes, map + "/stickje"), 0);
    EXPECT_EQ(volumeVan(volumes, map + "/leeg"), 1);
}

TEST(Volumes, HetSysteemGeeftDeWortelEersteEnHetVolumeVanDeHuidigeMap) {
    const QList<Volume> volumes = systeemVolumes();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.first().wortel, "/");
    EXPECT_GE(volumeVan(volumes, QDir::currentPath()), 0);
    for (const Volume& v : volumes) {
        EXPECT_FALSE(v.wortel.startsWith("/proc")) << v.wortel.toStdString();
        EXPECT_FALSE(v.wortel.startsWith("/sys")) << v.wortel.toStdString();
    }
}

} // namespace
} // namespace kz
