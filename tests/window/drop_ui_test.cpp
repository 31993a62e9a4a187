// Dropping a GPX file on the window chooses it in the drive, folder and file lists.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {
namespace {

void maakBestand(const QString& pad, const QByteArray& inhoud = {}) {
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

struct Sleepuitkomst {
    bool binnen = false;  // the drag was accepted on entering
    bool gevallen = false; // the drop was accepted
};

// Drags data over the file list and drops it there, as the window receives it.
Sleepuitkomst sleep(Form1& f, const QMimeData& data) {
    const QPoint punt = f.File1->mapTo(&f, f.File1->rect().center());
    QDragEnterEvent binnen(punt, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    binnen.setAccepted(false);
    QApplication::sendEvent(&f, &binnen);
    QDropEvent val(QPointF(punt), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    val.setAccepted(false);
    QApplication::sendEvent(&f, &val);
    return {binnen.isAccepted(), val.isAccepted()};
}

QMimeData* urls(const QList<QUrl>& lijst) {
    auto* d = new QMimeData;
    d->setUrls(lijst);
    return d;
}

class Slepen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        map = QDir(tmp.path()).canonicalPath();
        ASSERT_TRUE(QDir(map).mkpath("sub"));
        ASSERT_TRUE(QDir(map).mkpath("map.gpx"));
        maakBestand(map + "/sub/Vondsten.GPX",
                    "<wpt lat=\"52.37\" lon=\"4.89\">\n<gsak:UserFound>2008-05-01</gsak:UserFound>\n"
                    "<groundspeak:country>Netherlands</groundspeak:country>\n</wpt>\n");
        maakBestand(map + "/sub/ander.gpx");
        maakBestand(map + "/sub/notities.txt");
        maakBestand(map + "/sub/.verborgen.gpx");
        // A second volume whose root is the temporary folder, so the drive list has to
        // follow a drop there.
        omgeving.datumtekst = QStringLiteral("02-04-2009");
        const QString wortel = map;
        omgeving.volumes = [wortel] { return QList<Volume>{{QStringLiteral("/"), {}, true}, {wortel, {}, true}}; };
        vorige = tk::zetBerichtFunctie([this](const QString& prompt, int, const QString&) { berichten << prompt; });
    }
    void TearDown() override { tk::zetBerichtFunctie(vorige); }

    QTemporaryDir tmp;
    QString map;
    Form1::Omgeving omgeving;
    QStringList berichten;
    tk::BerichtFunctie vorige;
};

TEST_F(Slepen, GpxBestandWordtGekozenEnGelezen) {
    Form1 f(omgeving);
    f.show();
    ASSERT_NE(f.Drive1->drive(), map) << "the test runs inside the folder it drops from";

    std::unique_ptr<QMimeData> data(urls({QUrl::fromLocalFile(map + "/sub/Vondsten.GPX")}));
    const Sleepuitkomst s = sleep(f, *data);
    EXPECT_TRUE(s.binnen);
    EXPECT_TRUE(s.gevallen);
    EXPECT_EQ(f.Drive1->drive(), map);
    EXPECT_EQ(f.Dir1->path(), map + "/sub");
    EXPECT_EQ(f.Dir1->entry(f.Dir1->listIndex()), map + "/sub");
    EXPECT_EQ(f.File1->path(), map + "/sub");
    EXPECT_EQ(f.File1->listCount(), 2);
    EXPECT_EQ(f.File1->fileName(), "Vondsten.GPX");

    // The pass reads the dropped file.
    f.afbeeldingsnaam = map + "/uit.bmp";
    EXPECT_EQ(f.maakOverzicht(), Form1::Uitkomst::Gelukt);
    EXPECT_EQ(f.nlcache->text(), "1");
    EXPECT_TRUE(berichten.isEmpty()) << berichten.join('|').toStdString();

    // The result panel takes no drops; back on the input panel a file that appeared in
    // the open folder after it was listed is found and chosen.
    maakBestand(map + "/sub/later.gpx");
    std::unique_ptr<QMimeData> later(urls({QUrl::fromLocalFile(map + "/sub/later.gpx")}));
    const Sleepuitkomst opOverzicht = sleep(f, *later);
    EXPECT_FALSE(opOverzicht.binnen);
    EXPECT_FALSE(opOverzicht.gevallen);
    EXPECT_EQ(f.File1->fileName(), "Vondsten.GPX");
    f.terug_Click();
    const Sleepuitkomst terug = sleep(f, *later);
    EXPECT_TRUE(terug.binnen);
    EXPECT_TRUE(terug.gevallen);
    EXPECT_EQ(f.File1->fileName(), "later.gpx");
    EXPECT_EQ(f.File1->listCount(), 3);
}

TEST_F(Slepen, AndereSleepsWordenGeweigerd) {
    Form1 f(omgeving);
    f.show();
    f.File1->setPath(map + "/sub");
    f.File1->setListIndex(0);
    const QString dirVooraf = f.Dir1->path();
    const QString driveVooraf = f.Drive1->drive();

    auto lokaal = [this](const QString& naam) { return QUrl::fromLocalFile(map + naam); };
    struct Geval {
        const char* wat;
        QMimeData* data;
    };
    auto* tekst = new QMimeData;
    tekst->setText(map + "/sub/Vondsten.GPX");
    const Geval gevallen[] = {
        {"a text file", urls({lokaal("/sub/notities.txt")})},
        {"two GPX files", urls({lokaal("/sub/Vondsten.GPX"), lokaal("/sub/ander.gpx")})},
        {"a GPX file that does not exist", urls({lokaal("/sub/weg.gpx")})},
        {"a folder named like a GPX file", urls({lokaal("/map.gpx")})},
        {"a hidden GPX file", urls({lokaal("/sub/.verborgen.gpx")})},
        {"a remote GPX file", urls({QUrl(QStringLiteral("https://example.org/vondsten.gpx"))})},
        {"a path as plain text", tekst},
        {"no urls at all", urls({})},
    };
    for (const Geval& g : gevallen) {
        std::unique_ptr<QMimeData> data(g.data);
        const Sleepuitkomst s = sleep(f, *data);
        EXPECT_FALSE(s.binnen) << g.wat;
        EXPECT_FALSE(s.gevallen) << g.wat;
        EXPECT_EQ(f.Dir1->path(), dirVooraf) << g.wat;
        EXPECT_EQ(f.Drive1->drive(), driveVooraf) << g.wat;
        EXPECT_EQ(f.File1->fileName(), "ander.gpx") << g.wat;
    }
}

} // namespace
} // namespace kz
