// The tooltips of the map cells: band and kind from start-up, the counts of the last pass
// per map, and the cell under the pointer on screen (the texts' form is in the core tests).
#include <gtest/gtest.h>

#include <array>

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

// Asks the widget under `punt` of `kader` for its tooltip, as the application does when
// the pointer rests there.
void vraagTip(QWidget* kader, QPoint punt) {
    QWidget* doel = kader->childAt(punt) ? kader->childAt(punt) : kader;
    const QPoint lokaal = doel->mapFrom(kader, punt);
    QHelpEvent e(QEvent::ToolTip, lokaal, doel->mapToGlobal(lokaal));
    QApplication::sendEvent(doel, &e);
}

TEST(Kaarttip, BandSoortEnAantallenVanDeLaatsteDoorloop) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const tk::BerichtFunctie vorige = tk::zetBerichtFunctie([](const QString&, int, const QString&) {});
    QTemporaryDir tmp;
    QFile gpx(tmp.path() + "/vondsten.gpx");
    ASSERT_TRUE(gpx.open(QIODevice::WriteOnly));
    for (const char* jaar : {"2008", "2009", "2009", "2016"})
        gpx.write(QByteArray("<wpt lat=\"52.37\" lon=\"4.89\">\n<gsak:UserFound>") + jaar +
                  "-05-01</gsak:UserFound>\n<groundspeak:country>Netherlands</groundspeak:country>\n</wpt>\n");
    gpx.close();
    const QString amsterdam =
        "52,3\u00B0 \u2013 52,4\u00B0 N, 4\u00B0 50' \u2013 4\u00B0 55' O\nNederlandse cache-regio";
    const int a = vakindex(523, 58);

    // Before the first pass there is no count.
    Form1 f(Form1::Omgeving{"02-04-2009", {}, {}});
    EXPECT_EQ(f.vak->tooltipTekst(a), amsterdam);
    EXPECT_EQ(f.vak07->tooltipTekst(0),
              "53,4\u00B0 \u2013 53,5\u00B0 N, 3\u00B0 20' \u2013 3\u00B0 25' O\nRegio zonder Nederlandse caches");

    // All years on the main map; on each year map its year, after the boxes are sorted.
    f.afbeeldingsnaam = tmp.path() + "/uit.bmp";
    ASSERT_TRUE(f.kiesGpxBestand(QDir(tmp.path()).canonicalPath() + "/vondsten.gpx"));
    f.show();
    for (int k : {0, 1, 2}) f.jaar[k]->setCurrentIndex(std::array{2010, 2008, 2009}[k] - 2001);
    ASSERT_EQ(f.maakOverzicht(), Form1::Uitkomst::Gelukt);
    EXPECT_EQ(f.vak->tooltipTekst(a), amsterdam + "\nGevonden: 4 (alle jaren)");
    EXPECT_EQ(f.vak07->tooltipTekst(a), amsterdam + "\nGevonden in 2008: 1");
    EXPECT_EQ(f.vak08->tooltipTekst(a), amsterdam + "\nGevonden in 2009: 2");
    EXPECT_EQ(f.vak09->tooltipTekst(a), amsterdam + "\nGevonden in 2010: 0");

    // On screen the cell under the pointer answers; where a label covers the map, or
    // beside the cells, no cell does.
    vraagTip(f.Frame1, f.vak->celRect(a).center());
    EXPECT_EQ(QToolTip::text(), f.vak->tooltipTekst(a));
    const QPoint opLabel = f.nrjr1->geometry().center();
    ASSERT_GE(f.vak07->indexOp(opLabel), 0);
    vraagTip(f.Frame3, opLabel);
    EXPECT_NE(QToolTip::text(), f.vak07->tooltipTekst(f.vak07->indexOp(opLabel)));
    vraagTip(f.Frame1, QPoint(2, f.vak->celRect(0).top() + 3));
    EXPECT_EQ(QToolTip::text(), f.vak->tooltipTekst(a));

    // A second pass, with 2011 instead of 2008, replaces the counts.
    f.terug_Click();
    f.jaar[0]->setCurrentIndex(2011 - 2001);
    ASSERT_EQ(f.maakOverzicht(), Form1::Uitkomst::Gelukt);
    EXPECT_EQ(f.vak07->tooltipTekst(a), amsterdam + "\nGevonden in 2009: 2");
    EXPECT_EQ(f.vak09->tooltipTekst(a), amsterdam + "\nGevonden in 2011: 0");

    QToolTip::hideText();
    tk::zetBerichtFunctie(vorige);
    QLocale::setDefault(QLocale::system());
}

} // namespace
} // namespace kz
