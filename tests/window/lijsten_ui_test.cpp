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

// Left-button events in the middle of a list row.
void muis(QListWidget* lijst, int rij, std::initializer_list<QEvent::Type> soorten) {
    lijst->scrollToItem(lijst->item(rij));
    const QPointF punt = lijst->visualItemRect(lijst->item(rij)).center();
    for (QEvent::Type soort : soorten) {
        QMouseEvent e(soort, punt, lijst->viewport()->mapToGlobal(punt), Qt::LeftButton,
                      soort == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lijst->viewport(), &e);
    }
}
const auto klik = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
const auto dubbelklik = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                         QEvent::MouseButtonRelease};

// Counts the message boxes instead of showing them, for as long as it lives.
struct Berichten {
    int aantal = 0;
    tk::BerichtFunctie vorige = tk::zetBerichtFunctie([this](const QString&, int, const QString&) { ++aantal; });
    ~Berichten() { tk::zetBerichtFunctie(vorige); }
};

TEST(Lijsten, GpxFilterMarkerenOfOpenenEnTerugvalVanHetStation) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString map = QDir(tmp.path()).canonicalPath();
    ASSERT_FALSE(QDir::currentPath().startsWith(map));
    for (const char* d : {"x.gpx", "b/diep", "A", ".git", "leeg", "stick"}) ASSERT_TRUE(QDir(map).mkpath(d));
    for (const char* b : {"a.GPX", "finds.gpx", "notes.txt", "oud.gpx.bak", ".verborgen.gpx", "b/c.gpx", "stick/r.GPX"})
        ASSERT_TRUE(QFile(map + "/" + b).open(QIODevice::WriteOnly)) << b;
    Berichten berichten;
    const QList<Volume> volumes = {{"/", "", true}, {map + "/leeg", "LEEG", false}, {map + "/stick", "", true}};
    Form1 f(Form1::Omgeving{"02-04-2009", [&] { return volumes; }, {}});
    f.show();
    ASSERT_EQ(f.Drive1->count(), 3);
    EXPECT_EQ(f.Drive1->drive(), "/");
    EXPECT_EQ(f.Dir1->path(), QDir::currentPath());

    // Only "*.GPX" files, in any case; the file list follows the open folder.
    f.Dir1->setPath(map);
    ASSERT_EQ(f.File1->path(), map);
    ASSERT_EQ(f.File1->listCount(), 2);
    EXPECT_EQ(f.File1->entry(0) + " " + f.File1->entry(1), "a.GPX finds.gpx");
    EXPECT_EQ(f.File1->fileName(), "");
    f.File1->setListIndex(1);
    EXPECT_EQ(f.File1->fileName(), "finds.gpx");

    // Root, the folders on the way down, the open folder, then its visible subfolders.
    const int open = f.Dir1->listIndex();
    EXPECT_EQ(open, map.count('/'));
    EXPECT_EQ(f.Dir1->entry(0), "/");
    EXPECT_EQ(f.Dir1->entry(open - 1), QFileInfo(map).path());
    QStringList onder;
    for (int i = open; i < f.Dir1->listCount(); ++i) onder << f.Dir1->entry(i).mid(map.size());
    EXPECT_EQ(onder, QStringList({"", "/A", "/b", "/leeg", "/stick", "/x.gpx"}));

    // A click only highlights: the open folder, the file list and its choice stay.
    muis(f.Dir1, open + 2, klik);
    EXPECT_EQ(f.Dir1->listIndex(), open + 2);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.File1->fileName(), "finds.gpx");

    // A double click opens, and the file list follows with no choice made.
    muis(f.Dir1, open + 2, dubbelklik);
    EXPECT_EQ(f.Dir1->path(), map + "/b");
    ASSERT_EQ(f.File1->path(), map + "/b");
    EXPECT_EQ(f.File1->entry(0), "c.gpx");
    EXPECT_EQ(f.File1->listIndex(), -1);

    // Enter opens the highlighted entry: here the parent folder.
    f.Dir1->setListIndex(open);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(f.Dir1, &enter);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.File1->listCount(), 2);

    // A folder that does not exist is refused and the lists stay as they were.
    int fout = 0;
    try { f.Dir1->setPath(map + "/weg"); } catch (const tk::Fout& e) { fout = e.nummer(); }
    EXPECT_EQ(fout, tk::foutPadNietGevonden);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.Dir1->listCount(), open + 6);
    f.File1->setPath(map + "/weg");
    EXPECT_EQ(f.File1->listCount(), 0);

    // A ready volume: the folder list opens on its root, the file list follows.
    f.Drive1->setCurrentIndex(2);
    EXPECT_EQ(f.Dir1->path(), map + "/stick");
    EXPECT_EQ(f.File1->entry(0), "r.GPX");

    // A volume that is not ready: back to the current folder's volume, no message.
    f.Drive1->setCurrentIndex(1);
    EXPECT_EQ(f.Drive1->currentIndex(), 0);
    EXPECT_EQ(f.Dir1->path(), QDir::currentPath());
    EXPECT_EQ(f.File1->path(), QDir::currentPath());
    EXPECT_EQ(berichten.aantal, 0);

    // A volume holds a path by whole folder names.
    EXPECT_EQ(volumeVan(volumes, map + "/stick/sub"), 2);
    EXPECT_EQ(volumeVan(volumes, map + "/stickje"), 0);

    // The real system: the root first, the current folder on a volume, no kernel file systems.
    const QList<Volume> systeem = systeemVolumes();
    ASSERT_FALSE(systeem.isEmpty());
    EXPECT_EQ(systeem.first().wortel, "/");
    EXPECT_GE(volumeVan(systeem, QDir::currentPath()), 0);
    for (const Volume& v : systeem) EXPECT_FALSE(v.wortel.startsWith("/proc") || v.wortel.startsWith("/sys"));
}

} // namespace
} // namespace kz
