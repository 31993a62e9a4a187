// Dropping a GPX file on the input panel chooses it in the drive, folder and file lists;
// any other drop, and any drop on the result panel, is refused and changes nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {
namespace {

// Drags urls over the file list and drops them there: whether entering and dropping were accepted.
std::pair<bool, bool> sleep(Form1& f, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint punt = f.File1->mapTo(&f, f.File1->rect().center());
    QDragEnterEvent binnen(punt, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    binnen.setAccepted(false);
    QApplication::sendEvent(&f, &binnen);
    QDropEvent val(QPointF(punt), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    val.setAccepted(false);
    QApplication::sendEvent(&f, &val);
    return {binnen.isAccepted(), val.isAccepted()};
}

TEST(Slepen, AlleenEenBestaandGpxBestandOpHetInvulpaneelWordtGekozen) {
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
    ASSERT_TRUE(QDir(map).mkpath("sub") && QDir(map).mkpath("map.gpx"));
    for (const char* naam : {"/sub/Vondsten.GPX", "/sub/ander.gpx", "/sub/notities.txt", "/sub/.verborgen.gpx"})
        ASSERT_TRUE(QFile(map + naam).open(QIODevice::WriteOnly));
    const auto bestand = [&map](const char* naam) { return QUrl::fromLocalFile(map + naam); };
    const tk::BerichtFunctie vorige = tk::zetBerichtFunctie(
        [](const QString& prompt, int, const QString&) { ADD_FAILURE() << "message: " << prompt.toStdString(); });
    // A second volume whose root is the temporary folder: the drive list has to follow.
    Form1 f({QStringLiteral("02-04-2009"), [map] { return QList<Volume>{{"/", {}, true}, {map, {}, true}}; }, {}});
    f.show();
    ASSERT_NE(f.Drive1->drive(), map) << "the test runs inside the folder it drops from";

    // Refused: a text file, two GPX files, a missing one, a folder named like one, a hidden
    // one, a remote one.
    f.File1->setPath(map + "/sub");
    f.File1->setListIndex(0);
    const QString dirVooraf = f.Dir1->path();
    for (const QList<QUrl>& urls : {QList{bestand("/sub/notities.txt")},
                                    QList{bestand("/sub/Vondsten.GPX"), bestand("/sub/ander.gpx")},
                                    QList{bestand("/sub/weg.gpx")}, QList{bestand("/map.gpx")},
                                    QList{bestand("/sub/.verborgen.gpx")},
                                    QList{QUrl(QStringLiteral("https://example.org/vondsten.gpx"))}}) {
        const std::string wat = urls.first().toString().toStdString();
        EXPECT_EQ(sleep(f, urls), std::make_pair(false, false)) << wat;
        EXPECT_EQ(f.Dir1->path(), dirVooraf) << wat;
        EXPECT_EQ(f.File1->fileName(), "ander.gpx") << wat;
    }

    EXPECT_EQ(sleep(f, {bestand("/sub/Vondsten.GPX")}), std::make_pair(true, true));
    EXPECT_EQ(f.Drive1->drive(), map);
    EXPECT_EQ(f.Dir1->path(), map + "/sub");
    EXPECT_EQ(f.Dir1->entry(f.Dir1->listIndex()), map + "/sub");
    EXPECT_EQ(f.File1->fileName(), "Vondsten.GPX");

    // The result panel takes no drops; back on the input panel, a file that appeared in
    // the open folder after it was listed is found and chosen.
    ASSERT_TRUE(QFile(map + "/sub/later.gpx").open(QIODevice::WriteOnly));
    f.Frame6->hide();
    f.Frame7->show();
    EXPECT_EQ(sleep(f, {bestand("/sub/later.gpx")}), std::make_pair(false, false));
    EXPECT_EQ(f.File1->fileName(), "Vondsten.GPX");
    f.terug_Click();
    EXPECT_EQ(sleep(f, {bestand("/sub/later.gpx")}), std::make_pair(true, true));
    EXPECT_EQ(f.File1->fileName(), "later.gpx");
    EXPECT_EQ(f.File1->listCount(), 3);
    tk::zetBerichtFunctie(vorige);
}

} // namespace
} // namespace kz
