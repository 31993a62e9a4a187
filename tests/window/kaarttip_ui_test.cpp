// The tooltips of the map cells: band and kind from start-up, counts after each pass.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLocale>
#include <QTemporaryDir>
#include <QToolTip>

#include "grid/grid.h"
#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {
namespace {

const QString amsterdam = QStringLiteral("52,3\u00B0 \u2013 52,4\u00B0 N, 4\u00B0 50' \u2013 4\u00B0 55' O");
const int amsterdamVak = vakindex(523, 58);

// The last line of a tooltip.
QString laatsteRegel(const QString& tekst) { return tekst.section(QLatin1Char('\n'), -1); }

// Asks the widget under `punt` of `kader` for its tooltip, as the application does when
// the pointer rests there.
void vraagTip(QWidget* kader, QPoint punt) {
    QWidget* doel = kader->childAt(punt);
    if (!doel) doel = kader;
    const QPoint lokaal = doel->mapFrom(kader, punt);
    QHelpEvent e(QEvent::ToolTip, lokaal, doel->mapToGlobal(lokaal));
    QApplication::sendEvent(doel, &e);
}

class Kaarttip : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        ASSERT_TRUE(tmp.isValid());
        map = QDir(tmp.path()).canonicalPath();
        vorige = tk::zetBerichtFunctie([](const QString&, int, const QString&) {});
    }
    void TearDown() override {
        tk::zetBerichtFunctie(vorige);
        QLocale::setDefault(QLocale::system());
        QToolTip::hideText();
    }

    QTemporaryDir tmp;
    QString map;
    tk::BerichtFunctie vorige;
};

TEST_F(Kaarttip, VoorDeEersteDoorloopBandEnSoort) {
    Form1 f(Form1::Omgeving{"02-04-2009", {}});
    EXPECT_EQ(f.vak->tooltipTekst(amsterdamVak), amsterdam + "\nNederlandse cache-regio");
    EXPECT_EQ(f.vak09->tooltipTekst(amsterdamVak), amsterdam + "\nNederlandse cache-regio");
    // The north-west corner lies in the sea.
    EXPECT_EQ(f.vak07->tooltipTekst(0),
              "53,4\u00B0 \u2013 53,5\u00B0 N, 3\u00B0 20' \u2013 3\u00B0 25' O\nRegio zonder Nederlandse caches");

    // On screen: the cell under the pointer answers; where a label covers the map, or
    // beside the cells, no cell does.
    f.show();
    f.Frame6->hide();
    f.Frame7->show();
    tk::DoEvents();
    vraagTip(f.Frame1, f.vak->celRect(amsterdamVak).center());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), f.vak->tooltipTekst(amsterdamVak));

    const QPoint opLabel = f.nrjr1->geometry().center();
    const int onderLabel = f.vak07->indexOp(opLabel);
    ASSERT_GE(onderLabel, 0);
    vraagTip(f.Frame3, opLabel);
    EXPECT_NE(QToolTip::text(), f.vak07->tooltipTekst(onderLabel));

    vraagTip(f.Frame1, QPoint(2, f.vak->celRect(0).top() + 3));
    EXPECT_EQ(QToolTip::text(), f.vak->tooltipTekst(amsterdamVak));
}

TEST_F(Kaarttip, NaElkeDoorloopDeAantallenVanDieDoorloop) {
    const QString gpx = map + "/vondsten.gpx";
    {
        QFile f(gpx);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const char* jaar : {"2008", "2009", "2009", "2016"}) {
            f.write(QByteArray("<wpt lat=\"52.37\" lon=\"4.89\">\n<gsak:UserFound>") + jaar +
                    "-05-01</gsak:UserFound>\n<groundspeak:country>Netherlands</groundspeak:country>\n</wpt>\n");
        }
    }
    Form1 f(Form1::Omgeving{"02-04-2009", {}});
    f.afbeeldingsnaam = map + "/uit.bmp";
    ASSERT_TRUE(f.kiesGpxBestand(gpx));
    f.jaar[0]->setCurrentIndex(2010 - 2001);
    f.jaar[1]->setCurrentIndex(2008 - 2001);
    f.jaar[2]->setCurrentIndex(2009 - 2001);
    ASSERT_EQ(f.maakOverzicht(), Form1::Uitkomst::Gelukt);

    EXPECT_EQ(f.vak->tooltipTekst(amsterdamVak), amsterdam + "\nNederlandse cache-regio\nGevonden: 4 (alle jaren)");
    EXPECT_EQ(laatsteRegel(f.vak07->tooltipTekst(amsterdamVak)), "Gevonden in 2008: 1");
    EXPECT_EQ(laatsteRegel(f.vak08->tooltipTekst(amsterdamVak)), "Gevonden in 2009: 2");
    EXPECT_EQ(laatsteRegel(f.vak09->tooltipTekst(amsterdamVak)), "Gevonden in 2010: 0");
    EXPECT_EQ(laatsteRegel(f.vak->tooltipTekst(0)), "Gevonden: 0 (alle jaren)");

    // A second pass with other years replaces every count.
    f.terug_Click();
    f.jaar[0]->setCurrentIndex(2009 - 2001);
    f.jaar[1]->setCurrentIndex(2011 - 2001);
    f.jaar[2]->setCurrentIndex(2012 - 2001);
    ASSERT_EQ(f.maakOverzicht(), Form1::Uitkomst::Gelukt);
    EXPECT_EQ(laatsteRegel(f.vak07->tooltipTekst(amsterdamVak)), "Gevonden in 2009: 2");
    EXPECT_EQ(laatsteRegel(f.vak08->tooltipTekst(amsterdamVak)), "Gevonden in 2011: 0");
    EXPECT_EQ(laatsteRegel(f.vak->tooltipTekst(amsterdamVak)), "Gevonden: 4 (alle jaren)");
}

} // namespace
} // namespace kz
