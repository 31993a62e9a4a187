// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Voortgang per jaar": its chart, tables and nearest regions, the keyboard, and
// the export with its file dialog replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <tuple>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QToolTip>

#include "support/berichten.h"
#include "support/bestandsdialoog.h"
#include "support/geheugenbron.h"
#include "support/gpx.h"
#include "support/locale.h"
#include "support/wacht.h"
#include "teksten/voortgangteksten.h"
#include "uitvoer/voortgangexport.h"
#include "venster/voortgangsvenster.h"

// Readable QString values in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kz {
namespace {

TEST(Voortgangsvenster, ChartTableNearestRegionsKeyboardAndExport) {
    test::LocaleWacht locale{"nl_NL"};
    test::Berichten berichten;
    const std::vector<int> binnen = test::Gpx::vakken(true);
    test::Gpx g;
    g.in(binnen[0], 2008).in(binnen[1], 2008).in(binnen[1], 2010).in(binnen[2], 2024).in(binnen[3], 2000);
    GpxBestand bestand(std::make_unique<test::GeheugenBron>(g.tekst()));
    const std::optional<Overzicht> overzicht = maakOverzicht(bestand, {2008, 2009, 2010}, false, nederlandseRegios(), {}, 2026);
    ASSERT_TRUE(overzicht);
    QTemporaryDir map;
    QFile invoer(map.filePath("invoer.gpx"));
    ASSERT_TRUE(invoer.open(QIODevice::WriteOnly) && invoer.write("<gpx/>") == 6);
    invoer.close();
    Voortgangsvenster d(*overzicht, Coordinaat{52.0907, 5.1214}, map.path(),
                        {{"het GPX-bestand", QFile::encodeName(invoer.fileName()).toStdString()}});
    d.show();
    EXPECT_EQ(d.windowTitle(), "Voortgang per jaar");

    // A line per year from 2008 to 2024 and the one without a year, as the CSV has them.
    ASSERT_EQ(d.tabel->rowCount(), 18);
    const QStringList csv = QString::fromUtf8(perJaarExport(d.grafiek->voortgang())).split('\n', Qt::SkipEmptyParts);
    for (int r = 0; r < d.tabel->rowCount(); ++r) {
        QStringList rij;
        for (int k = 0; k < d.tabel->columnCount(); ++k) rij << d.tabel->item(r, k)->text();
        EXPECT_EQ(rij.join(','), csv[r + 1]);
    }
    EXPECT_EQ(d.tabel->item(17, 0)->text(), "zonder jaar");
    // A line per province on the next tab, the regions of all adding up to the Dutch
    // cache regions and the visited ones to the visited regions, with why a region on a
    // border counts once.
    ASSERT_EQ(d.provincietabel->rowCount(), 12);
    std::array<int, 3> som{};
    for (int r = 0; r < 12; ++r)
        for (int k = 0; k < 3; ++k) som[std::size_t(k)] += d.provincietabel->item(r, k + 1)->text().toInt();
    EXPECT_EQ(som, (std::array<int, 3>{627, overzicht->kaarten.bezocht, 627 - overzicht->kaarten.bezocht}));
    EXPECT_EQ(overzicht->kaarten.bezocht, 4);
    d.tabellen->setCurrentWidget(d.perProvincie);
    EXPECT_TRUE(d.provinciegrensLabel->isVisible() && d.provinciegrensLabel->text().contains("provinciegrens"));
    d.tabellen->setCurrentWidget(d.perJaar);

    auto* grafiek = QAccessible::queryAccessibleInterface(d.grafiek);
    EXPECT_TRUE(grafiek->role() == QAccessible::Graphic && grafiek->text(QAccessible::Name) == "Voortgang per jaar");
    EXPECT_TRUE(grafiek->text(QAccessible::Description)
                    .startsWith("2008: 2 regio's bezocht, waarvan 2 voor het eerst; 2 van 627 tot dan toe. 2009: 0"));
    // The tooltip's year is the bar's: the first year at the left of the plot, the last at the right.
    const int midden = d.grafiek->height() / 2;
    EXPECT_LT(d.grafiek->jaarOp({d.grafiek->width() / 4, midden}), d.grafiek->jaarOp({d.grafiek->width() * 3 / 4, midden}));
    EXPECT_EQ(d.grafiek->jaarOp({1, midden}), -1);

    ASSERT_TRUE(d.dichtstbij);
    ASSERT_EQ(d.dichtstbij->count(), 10);
    EXPECT_EQ(d.dichtstbij->item(0)->text(), "1. 520/61 bij Utrecht (Utrecht): hier (52,0° – 52,1° N, 5° 05' – 5° 10' O)");

    // Tab goes chart, the tables' tabs, table, list, export, close.
    std::vector<QWidget*> volgorde{d.focusWidget()};
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier), esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    while (volgorde.size() < 6 && QApplication::sendEvent(d.focusWidget(), &tab)) volgorde.push_back(d.focusWidget());
    EXPECT_EQ(volgorde, (std::vector<QWidget*>{d.grafiek, d.tabellen->tabBar(), d.tabel, d.dichtstbij, d.exporteren, d.sluiten}));

    // Exporting, with the file dialog answered: it opens in the folder given, then in that
    // of the last export. A name typed without a suffix has the chosen filter's before the
    // dialog looks for it, so that the existing file is the one confirmed, and written;
    // cancelled, nothing; a folder that is not there: a message box, nothing written.
    test::Bestandsdialoog dialoog;
    ASSERT_TRUE(QDir(map.path()).mkdir("sub"));
    QFile(map.filePath("nog.gpx")).open(QIODevice::WriteOnly);
    const auto exporteer = [&](const QString& naam, const QString& filter) {
        dialoog.naam = naam;
        dialoog.filter = filter;
        d.exporteren->click();
    };
    exporteer("nog", "GPX (*.gpx)");
    EXPECT_EQ(dialoog.map, map.path());
    EXPECT_EQ(dialoog.bevestigd, map.filePath("nog.gpx"));
    QFile gpx(map.filePath("nog.gpx"));
    ASSERT_TRUE(gpx.open(QIODevice::ReadOnly));
    EXPECT_EQ(gpx.readAll().count("<wpt "), 623);
    EXPECT_EQ(d.melding->text(), "Regio's opgeslagen als " + QDir::toNativeSeparators(map.filePath("nog.gpx")));
    exporteer(map.filePath("sub/r"), "CSV (*.csv)");
    EXPECT_EQ(dialoog.bevestigd, map.filePath("sub/r.csv"));
    exporteer(QString(), "GPX (*.gpx)");
    EXPECT_EQ(dialoog.map, map.filePath("sub"));
    exporteer("weg/r.txt", "GeoJSON (*.geojson)");
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(std::tuple(berichten.lijst[0].titel, berichten.lijst[0].soort, berichten.lijst[0].prompt),
              std::tuple("Fout", bericht::Soort::fout, "De regio's kunnen niet worden opgeslagen als " +
                                                          QDir::toNativeSeparators(map.filePath("sub/weg/r.txt")) +
                                                          " (de map bestaat niet)"));
    EXPECT_EQ(QDir(map.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"invoer.gpx", "nog.gpx", "sub"}));
    EXPECT_EQ(QDir(map.filePath("sub")).entryList(QDir::Files), QStringList{"r.csv"});
    // The found log of the pass is never replaced by an export.
    exporteer(map.filePath("invoer.gpx"), "GPX (*.gpx)");
    ASSERT_EQ(berichten.lijst.size(), 2u);
    EXPECT_EQ(berichten.lijst[1].prompt, "De export en het GPX-bestand zijn hetzelfde bestand (" +
                                             QDir::toNativeSeparators(map.filePath("invoer.gpx")) +
                                             "); er is niets geschreven");
    ASSERT_TRUE(invoer.open(QIODevice::ReadOnly));
    EXPECT_EQ(invoer.readAll(), "<gpx/>");

    // The chart shows the keyboard focus with the window's ring.
    d.activateWindow();
    d.grafiek->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(test::wachtTot([&] { return d.grafiek->hasFocus(); }));
    const QImage metFocus = d.grafiek->grab().toImage();
    d.tabel->setFocus(Qt::TabFocusReason);
    EXPECT_NE(d.grafiek->grab().toImage(), metFocus);

    // Escape closes.
    QApplication::sendEvent(&d, &esc);
    EXPECT_FALSE(d.isVisible());

    // Without a home, no list; on a dark palette the chart paints on dark with its bars in
    // the highlight colour.
    Voortgangsvenster zonder(*overzicht, std::nullopt);
    EXPECT_FALSE(zonder.dichtstbij->isVisibleTo(&zonder) || zonder.dichtstbijLabel->isVisibleTo(&zonder));
    QPalette donker;
    donker.setColor(QPalette::Base, QColor(30, 30, 30));
    donker.setColor(QPalette::Text, QColor(230, 230, 230));
    donker.setColor(QPalette::Highlight, QColor(80, 160, 255));
    zonder.grafiek->setPalette(donker);
    zonder.grafiek->resize(560, 260);
    const QImage beeld = zonder.grafiek->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(beeld.constBits());
    const std::vector<QRgb> alle(pixels, pixels + beeld.width() * beeld.height());
    EXPECT_EQ(beeld.pixel(2, beeld.height() - 2), qRgb(30, 30, 30));
    EXPECT_GT(std::count(alle.begin(), alle.end(), qRgb(80, 160, 255)), 200);  // bars
    EXPECT_GT(std::count(alle.begin(), alle.end(), qRgb(230, 230, 230)), 50); // axes, line and text
}

// The tooltip names the bar under the pointer: at the middle of each bar, found by its
// colour in the painted chart, the sentence of that bar's year.
TEST(Voortgangsvenster, DeTipNoemtDeStaafOnderDeWijzer) {
    test::LocaleWacht locale{"nl_NL"};
    const std::vector<int> binnen = test::Gpx::vakken(true);
    // Year 2003 + k: finds in 1 to 4 regions, so that every year has a bar; sixteen years,
    // so narrow that a pointer taken from the widget's edge instead of the plot's would
    // land in the next bar.
    test::Gpx g;
    for (int k = 0; k < 16; ++k)
        for (int r = 0; r <= k % 4; ++r) g.in(binnen[std::size_t(10 * k + r)], 2003 + k);
    GpxBestand bestand(std::make_unique<test::GeheugenBron>(g.tekst()));
    const std::optional<Overzicht> overzicht = maakOverzicht(bestand, {2003, 2004, 2005}, false, nederlandseRegios(), {}, 2026);
    ASSERT_TRUE(overzicht);
    Voortgangsgrafiek grafiek;
    grafiek.zetVoortgang(Voortgang::van(*overzicht, nederlandseRegios()));
    const std::vector<Voortgang::Jaar>& jaren = grafiek.voortgang().jaren;
    ASSERT_EQ(jaren.size(), 16u);
    QPalette palet = grafiek.palette();
    const QColor staaf(200, 40, 160);
    palet.setColor(QPalette::Highlight, staaf);
    grafiek.setPalette(palet);
    grafiek.resize(560, 260);
    grafiek.show();
    const QImage beeld = grafiek.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The bars: runs of columns with the bar colour below the legend, each with the lowest
    // point of that colour in its middle column.
    std::vector<QPoint> midden;
    for (int x = 0, begin = -1; x <= beeld.width(); ++x) {
        const bool inStaaf = x < beeld.width() && [&] {
            for (int y = beeld.height() / 4; y < beeld.height(); ++y)
                if (beeld.pixelColor(x, y) == staaf) return true;
            return false;
        }();
        if (inStaaf && begin < 0) begin = x;
        if (!inStaaf && begin >= 0) {
            const int mx = (begin + x - 1) / 2;
            int y = beeld.height() - 1;
            while (y > 0 && beeld.pixelColor(mx, y) != staaf) --y;
            midden.emplace_back(mx, y - 1);
            begin = -1;
        }
    }
    ASSERT_EQ(midden.size(), jaren.size());
    for (std::size_t i = 0; i < jaren.size(); ++i) {
        QHelpEvent tip(QEvent::ToolTip, midden[i], grafiek.mapToGlobal(midden[i]));
        QApplication::sendEvent(&grafiek, &tip);
        EXPECT_EQ(QToolTip::text(), voortgangteksten::jaarzin(jaren[i], grafiek.voortgang().aantalRegios))
            << jaren[i].jaar;
    }
    QToolTip::hideText();
}

} // namespace
} // namespace kz
