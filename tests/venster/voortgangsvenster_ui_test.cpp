// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Voortgang per jaar": its chart, tables and nearest regions, keyboard and export.
#include "support/venstertest.h"
#include "teksten/voortgangteksten.h"
#include "uitvoer/voortgangexport.h"

namespace kz {
namespace {

TEST(Voortgangsvenster, ChartTableNearestRegionsKeyboardAndExport) {
    test::LocaleWacht locale{"nl_NL"};
    test::Berichten berichten;
    const std::vector<int> binnen = test::Gpx::vakken(true);
    test::Gpx g;
    g.in(binnen[0], 2008).in(binnen[1], 2008).in(binnen[1], 2010).in(binnen[2], 2024).in(binnen[3], 2000);
    const std::optional<Overzicht> overzicht = test::overzicht(g, {2008, 2009, 2010});
    ASSERT_TRUE(overzicht);
    QTemporaryDir map;
    g.schrijf(map.filePath("invoer.gpx").toStdString());
    QString exportmap = map.path();
    Voortgangsvenster d(*overzicht, Coordinaat{52.0907, 5.1214}, exportmap,
                        {{"het GPX-bestand", QFile::encodeName(map.filePath("invoer.gpx")).toStdString()}});
    d.show();

    // A line per year from 2008 to 2024 and the one without a year, as the CSV has them.
    ASSERT_EQ(d.tabel->rowCount(), 18);
    const QStringList csv = QString::fromUtf8(perJaarExport(d.grafiek->voortgang())).split('\n', Qt::SkipEmptyParts);
    for (int r = 0; r < d.tabel->rowCount(); ++r) {
        QStringList rij;
        for (int k = 0; k < d.tabel->columnCount(); ++k) rij << d.tabel->item(r, k)->text();
        EXPECT_EQ(rij.join(','), csv[r + 1]);
    }
    // A line per province (their counts: regionaam_test).
    EXPECT_EQ(d.provincietabel->rowCount(), 12);

    auto* grafiek = QAccessible::queryAccessibleInterface(d.grafiek);
    EXPECT_TRUE(grafiek->role() == QAccessible::Graphic && grafiek->text(QAccessible::Name) == "Voortgang per jaar");
    EXPECT_TRUE(grafiek->text(QAccessible::Description)
                    .startsWith("2008: 2 regio's bezocht, waarvan 2 voor het eerst; 2 van 627 tot dan toe. 2009: 0"));
    // Left of the plot no year (each bar's own: DeTipNoemtDeStaafOnderDeWijzer).
    EXPECT_EQ(d.grafiek->jaarOp({1, d.grafiek->height() / 2}), -1);

    ASSERT_TRUE(d.dichtstbij && d.dichtstbij->count() > 0);
    EXPECT_EQ(d.dichtstbij->item(0)->text(), "1. 520/61 bij Utrecht (Utrecht): hier (52,0° – 52,1° N, 5° 05' – 5° 10' O)");

    // Tab goes chart, the tables' tabs, table, list, export, close; the chart shows the
    // keyboard focus with the window's ring.
    ASSERT_TRUE(test::wachtTot([&] { return d.grafiek->hasFocus(); }));
    const QImage metFocus = d.grafiek->grab().toImage();
    std::vector<QWidget*> volgorde{d.focusWidget()};
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    while (volgorde.size() < 6 && QApplication::sendEvent(d.focusWidget(), &tab)) volgorde.push_back(d.focusWidget());
    EXPECT_EQ(volgorde, (std::vector<QWidget*>{d.grafiek, d.tabellen->tabBar(), d.tabel, d.dichtstbij, d.exporteren, d.sluiten}));
    EXPECT_NE(d.grafiek->grab().toImage(), metFocus);

    // The dialog opens in the folder given, then the last export's; a name gets the filter's
    // suffix before replacing is confirmed; a folder not there: a box.
    test::Bestandsdialoog dialoog;
    ASSERT_TRUE(QDir(map.path()).mkdir("sub"));
    QFile(map.filePath("sub/nog.gpx")).open(QIODevice::WriteOnly);
    const auto exporteer = [&](const QString& naam, const QString& filter) {
        dialoog.naam = naam;
        dialoog.filter = filter;
        d.exporteren->click();
    };
    exporteer(map.filePath("sub/nog"), "GPX (*.gpx)");
    EXPECT_EQ(dialoog.map, map.path());
    EXPECT_EQ(dialoog.bevestigd, map.filePath("sub/nog.gpx"));
    QFile gpx(map.filePath("sub/nog.gpx"));
    ASSERT_TRUE(gpx.open(QIODevice::ReadOnly));
    EXPECT_EQ(gpx.readAll().count("<wpt "), 623);
    EXPECT_EQ(d.melding->text(), "Regio's opgeslagen als " + QDir::toNativeSeparators(map.filePath("sub/nog.gpx")));
    exporteer("weg/r.txt", "GeoJSON (*.geojson)"); // in the folder of the last export
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(std::tuple(berichten.lijst[0].titel, berichten.lijst[0].soort, berichten.lijst[0].prompt),
              std::tuple("Fout", bericht::Soort::fout, "De regio's kunnen niet worden opgeslagen als " +
                                                          QDir::toNativeSeparators(map.filePath("sub/weg/r.txt")) +
                                                          " (de map bestaat niet)"));
    // The found log of the pass is never replaced by an export.
    exporteer(map.filePath("invoer.gpx"), "GPX (*.gpx)");
    ASSERT_EQ(berichten.lijst.size(), 2u);
    EXPECT_EQ(berichten.lijst[1].prompt, "De export en het GPX-bestand zijn hetzelfde bestand (" +
                                             QDir::toNativeSeparators(map.filePath("invoer.gpx")) +
                                             "); er is niets geschreven");

    // Without a home, no list.
    Voortgangsvenster zonder(*overzicht, std::nullopt, exportmap);
    EXPECT_FALSE(zonder.dichtstbij->isVisibleTo(&zonder) || zonder.dichtstbijLabel->isVisibleTo(&zonder));
}

// On a dark palette the chart paints on dark with its bars in the highlight colour; at the
// middle of each painted bar the tooltip is the sentence of that bar's year.
TEST(Voortgangsvenster, DeTipNoemtDeStaafOnderDeWijzer) {
    test::LocaleWacht locale{"nl_NL"};
    const std::vector<int> binnen = test::Gpx::vakken(true);
    // Sixteen bars, so narrow that a pointer from the widget's edge would hit the next one.
    test::Gpx g;
    for (int k = 0; k < 16; ++k)
        for (int r = 0; r <= k % 4; ++r) g.in(binnen[std::size_t(10 * k + r)], 2003 + k);
    const std::optional<Overzicht> overzicht = test::overzicht(g, {2003, 2004, 2005});
    ASSERT_TRUE(overzicht);
    Voortgangsgrafiek grafiek;
    grafiek.zetVoortgang(Voortgang::van(*overzicht, nederlandseRegios()));
    const std::vector<Voortgang::Jaar>& jaren = grafiek.voortgang().jaren;
    ASSERT_EQ(jaren.size(), 16u);
    QPalette donker;
    const QColor staaf(200, 40, 160);
    donker.setColor(QPalette::Base, QColor(30, 30, 30));
    donker.setColor(QPalette::Text, QColor(230, 230, 230));
    donker.setColor(QPalette::Highlight, staaf);
    grafiek.setPalette(donker);
    grafiek.resize(560, 260);
    grafiek.show();
    const QImage beeld = grafiek.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(beeld.constBits());
    EXPECT_EQ(beeld.pixel(2, beeld.height() - 2), qRgb(30, 30, 30));
    EXPECT_GT(std::count(pixels, pixels + beeld.width() * beeld.height(), qRgb(230, 230, 230)), 50); // axes, line, text

    // Each bar: a run of columns of its colour below the legend; a point just above its
    // lowest row, in the middle column.
    QList<int> onder(beeld.width() + 1); // per column, the lowest row of the bars' colour; 0: none
    for (int x = 0; x < beeld.width(); ++x)
        for (int y = beeld.height() - 1; y > beeld.height() / 4 && !onder[x]; --y)
            if (beeld.pixelColor(x, y) == staaf) onder[x] = y;
    std::vector<QPoint> midden;
    for (int x = 0, begin = -1; x <= beeld.width(); ++x) {
        if (onder[x] && begin < 0) begin = x;
        if (!onder[x] && begin >= 0) {
            midden.emplace_back((begin + x - 1) / 2, onder[(begin + x - 1) / 2] - 1);
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
