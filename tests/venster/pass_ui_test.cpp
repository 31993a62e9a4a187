// SPDX-License-Identifier: GPL-3.0-or-later
// Whole overview passes on the window: panel, messages, bitmap, passes in a row and failures.
#include <QContextMenuEvent>

#include <atomic>

#include "support/venstertest.h"
#include "teksten/vakmenu.h"

namespace kz {
namespace {

// The eleven statistics labels, the year-frame captions and the year boxes.
QStringList teksten(const Vensterinhoud& f) {
    QStringList t;
    for (const QLabel* l : std::initializer_list<const QLabel*>{f.resultaatpaneel->aantal1, f.resultaatpaneel->aantal2, f.resultaatpaneel->perc1, f.resultaatpaneel->perc2, f.resultaatpaneel->zonderNlLabel, f.resultaatpaneel->fakeLabel, f.resultaatpaneel->nlcache,
                            f.resultaatpaneel->totcache, f.resultaatpaneel->nrjr1, f.resultaatpaneel->nrjr2, f.resultaatpaneel->nrjr3})
        t << l->text();
    for (const Kader* k : {f.resultaatpaneel->jaarkader1, f.resultaatpaneel->jaarkader2, f.resultaatpaneel->jaarkader3}) t << k->title();
    for (const QComboBox* j : f.invulpaneel->jaar) t << j->currentText();
    return t;
}

class Doorloop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        f.show();
    }
    // Writes the file (unless null), chooses it and the choices, calls vooraf, and presses the button.
    void draai(Vensterinhoud& w, const QString& naam, const test::Gpx* gpx, bool schakering, std::array<int, 3> jaren,
               const std::function<void()>& vooraf = {}) {
        if (gpx) gpx->schrijf((map + "/" + naam).toStdString());
        if (w.resultaatpaneel->isVisible()) w.resultaatpaneel->terugKnop->click();
        ASSERT_TRUE(w.invulpaneel->kiesGpxBestand(QFile::encodeName(map + "/" + naam))) << naam.toStdString();
        w.invulpaneel->kleurschakering->setChecked(schakering);
        for (std::size_t k = 0; k < 3; ++k) w.invulpaneel->jaar[k]->setCurrentIndex(jaren[k] - 2001);
        w.afbeeldingsnaam = bmp();
        if (vooraf) vooraf();
        w.invulpaneel->maakOverzichtKnop->click();
        ASSERT_TRUE(test::wachtTot([&] { return !w.bezig(); }));
        EXPECT_FALSE(test::wachtcursor(w));
        EXPECT_TRUE(w.invulpaneel->isEnabled());
    }
    QString bmp() const { return map + "/Kavelzicht.bmp"; }

    test::LocaleWacht locale{"nl_NL"};
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
    QUrl geopend; // what the window opened in the browser
    Vensterinhoud f{Vensterinhoud::Omgeving{"02-04-2009", {}, {}, {}, [this](const QUrl& url) { return geopend = url, true; }}};
    test::Berichten berichten{&f};
    const std::vector<int> binnen = test::Gpx::vakken(true), buiten = test::Gpx::vakken(false);
};

TEST_F(Doorloop, TekstenKaartenTipsEnMeldingenVolgenHetBestand) {
    test::Gpx g;
    g.in(binnen[0], 2015).in(binnen[0], 2015).in(binnen[1], 2003).in(binnen[1], 2009).in(binnen[2], 2000);
    g.in(buiten[0], 2009, "Netherlands", 0.3).wpt("50.65", "5.5", 2009).in(buiten[1], 2016);
    g.in(binnen[3], 2009, "Belgium").in(binnen[4], 0);
    draai(f, "vondsten café.gpx", &g, true, {2015, 2003, 2009});

    EXPECT_EQ(teksten(f), (QStringList{"624", "3", "99,5%", "0,5%", "Regio zonder Nederlandse caches (687)",
                                       "Gevonden cache in 'fake'-Regio (2)", "8", "9", "1 (1)", "1 (0)", "1 (1)",
                                       "2003", "2009", "2015", "2003", "2009", "2015"}));
    EXPECT_TRUE(f.resultaatpaneel->isVisible() && f.resultaatpaneel->terugKnop->isVisible() && !f.invulpaneel->isVisible());

    // Tooltips: all years on the main map, its own year on a year map; none under a label.
    const QString tip = f.resultaatpaneel->hoofdkaart->tooltipTekst(binnen[0]);
    EXPECT_TRUE(tip.endsWith("\nGevonden: 2 (alle jaren)")) << tip.toStdString();
    EXPECT_TRUE(f.resultaatpaneel->jaarkaart1->tooltipTekst(binnen[0]).endsWith("\nGevonden in 2003: 0"));
    auto vraagTip = [](QWidget* kader, QPoint punt) {
        QWidget* doel = kader->childAt(punt) ? kader->childAt(punt) : kader;
        const QPoint lokaal = doel->mapFrom(kader, punt);
        QHelpEvent e(QEvent::ToolTip, lokaal, doel->mapToGlobal(lokaal));
        QApplication::sendEvent(doel, &e);
        return QToolTip::text();
    };
    EXPECT_EQ(vraagTip(f.resultaatpaneel->hoofdkaartKader, f.resultaatpaneel->hoofdkaart->celRect(binnen[0]).center()), tip);
    const QPoint opLabel = f.resultaatpaneel->nrjr1->geometry().center();
    EXPECT_NE(vraagTip(f.resultaatpaneel->jaarkader1, opLabel), f.resultaatpaneel->jaarkaart1->tooltipTekst(f.resultaatpaneel->jaarkaart1->indexOp(opLabel)));
    QToolTip::hideText();

    // A screen reader hears each map with its counts, each statistic once with its caption.
    auto lees = [](QWidget* w, QAccessible::Text soort) { return QAccessible::queryAccessibleInterface(w)->text(soort); };
    EXPECT_EQ(lees(f.resultaatpaneel->jaarkaart1, QAccessible::Name), "Jaarkaart 2003");
    EXPECT_EQ(lees(f.resultaatpaneel->jaarkaart2, QAccessible::Description), "2009: 1 regio's bezocht, waarvan 0 voor het eerst");
    QStringList gehoord;
    const std::function<void(QAccessibleInterface*)> hoor = [&](QAccessibleInterface* i) {
        if (!i->state().invisible) gehoord << i->text(QAccessible::Name);
        for (int k = 0; k < i->childCount(); ++k) hoor(i->child(k));
    };
    hoor(QAccessible::queryAccessibleInterface(f.resultaatpaneel));
    for (const char* regel : {"Nog niet bezochte cache-regio: 624 99,5%", "Aantal gevonden caches: 9", "2009: 1 (0)"})
        EXPECT_EQ(gehoord.count(QString(regel)), 1) << regel;
    for (const char* alleenGetal : {"624", "99,5%", "9"}) EXPECT_FALSE(gehoord.contains(alleenGetal));

    // One stop box per warning, in file order, while the hourglass is up (the texts: teksten_test).
    ASSERT_EQ(berichten.lijst.size(), 2u);
    ASSERT_EQ(buiten[0], 0); // the north-west corner: 53.43, 3.375
    EXPECT_EQ(berichten.lijst[0].titel + berichten.lijst[1].titel, "Fake?Verdwaald?");
    EXPECT_TRUE(berichten.lijst[0].prompt.startsWith("Een cache met de coordinaten: N53,43  E3,375 ligt in een 'fake'"));
    for (const auto& b : berichten.lijst)
        EXPECT_EQ(std::tuple(b.eigenaar, b.soort, b.wacht), std::tuple(&f, bericht::Soort::waarschuwing, true));

    // Ticked in the first box: no box after it, the same counts; the next pass asks again.
    const QStringList alle = teksten(f);
    berichten.lijst.clear();
    berichten.stilNa = 1;
    draai(f, "vondsten café.gpx", nullptr, true, {2015, 2003, 2009});
    EXPECT_EQ(std::pair(berichten.lijst.size(), teksten(f)), std::pair(std::size_t{1}, alle));
    berichten.lijst.clear();
    berichten.stilNa = 0;
    draai(f, "vondsten café.gpx", nullptr, true, {2015, 2003, 2009});
    EXPECT_EQ(berichten.lijst.size(), 2u);
}

// A source read slowly: a gigabyte of empty lines after the given text, 1 MiB each 5 ms.
struct TrageBron final : Bron {
    std::string begin;
    std::atomic<std::uint64_t>* gelezen;
    std::uint64_t over = std::uint64_t{1} << 30;
    TrageBron(std::string begin, std::atomic<std::uint64_t>* gelezen) : begin(std::move(begin)), gelezen(gelezen) {}
    Stuk lees(char* doel, std::size_t ruimte) override {
        if (!begin.empty()) {
            const std::size_t n = std::min(ruimte, begin.size());
            std::copy_n(begin.data(), n, doel);
            begin.erase(0, n);
            return {n, 0};
        }
        const std::size_t n = std::size_t(std::min<std::uint64_t>({ruimte, over, 1 << 20}));
        std::fill_n(doel, n, '\n');
        over -= n;
        *gelezen += n;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return {n, 0};
    }
    std::uint64_t grootte() const override { return std::uint64_t{1} << 30; }
};

class LangeDoorloop : public Doorloop {
protected:
    void SetUp() override {
        Doorloop::SetUp();
        test::Gpx().schrijf((map + "/groot.gpx").toStdString());
        maak();
    }
    // A window whose passes read a slow gigabyte after `begin` (while traag; else only begin).
    void maak(std::string begin = {}) {
        begin_ = std::move(begin);
        g = std::make_unique<Vensterinhoud>(Vensterinhoud::Omgeving{"02-04-2009", {}, {}, [this](const std::string&) -> std::unique_ptr<Bron> {
            if (!traag_) return std::make_unique<test::GeheugenBron>(begin_);
            return std::make_unique<TrageBron>(begin_, &gelezen);
        }, {}});
        g->afbeeldingsnaam = bmp();
        ASSERT_TRUE(g->invulpaneel->kiesGpxBestand(QFile::encodeName(map + "/groot.gpx")));
    }
    // Ended early, on the input panel, without a picture.
    void gestopt() {
        ASSERT_TRUE(test::wachtTot([&] { return !g->bezig(); }, std::chrono::seconds(5)));
        EXPECT_LT(gelezen, std::uint64_t{1} << 29);
        EXPECT_TRUE(!g->invulpaneel->isHidden() && g->invulpaneel->isEnabled() && g->resultaatpaneel->isHidden());
        EXPECT_FALSE(g->leesvoortgang->isVisible());
        EXPECT_FALSE(QFile::exists(bmp()));
        EXPECT_FALSE(test::wachtcursor(*g));
    }

    std::atomic<std::uint64_t> gelezen = 0;
    std::string begin_;
    bool traag_ = true;
    std::unique_ptr<Vensterinhoud> g;
};

// The click returns while the file is read, the input panel waits, the progress shows after
// half a second and moves on the window's own timer; Escape stops the reading. No state of a
// pass outlives it: a box left open has no say over the next pass; closing, the Escape of a
// warning and quitting stop a pass (one held by a box once it is answered).
TEST_F(LangeDoorloop, EscapeSluitenEnStoppenLatenGeenToestandAchter) {
    const std::string fake = test::Gpx().in(buiten[0], 2009).in(buiten[1], 2009).tekst();
    const auto doorloop = [&](std::string begin, bool traag) {
        begin_ = std::move(begin);
        traag_ = traag;
        gelezen = 0;
        g->show();
        g->activateWindow();
        g->invulpaneel->maakOverzichtKnop->click();
    };
    QWidget* focus = g->focusWidget();
    doorloop({}, true);
    EXPECT_TRUE(g->bezig());
    EXPECT_FALSE(g->invulpaneel->isEnabled());
    test::wachtTot([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_FALSE(g->leesvoortgang->isVisible());
    ASSERT_TRUE(test::wachtTot([&] { return g->leesvoortgang->isVisible() && g->leesvoortgang->value() > 0; }));
    EXPECT_LT(g->leesvoortgang->value(), 1000);
    test::druk(g.get(), Qt::Key_Escape);
    gestopt();
    EXPECT_TRUE(berichten.lijst.empty());
    EXPECT_EQ(g->focusWidget(), focus);

    berichten.vasthouden = true;
    doorloop(fake, true);
    ASSERT_TRUE(test::wachtTot([&] { return berichten.open.size() == 1; }));
    test::druk(g.get(), Qt::Key_Escape);
    gestopt();
    doorloop({}, true);
    test::wachtTot([] { return false; }, std::chrono::milliseconds(100));
    g->close();
    gestopt();
    EXPECT_FALSE(g->isVisible());
    berichten.open[0](bericht::Antwoord{}); // the old box, closed late

    doorloop(fake, true);
    ASSERT_TRUE(test::wachtTot([&] { return berichten.open.size() == 2; }));
    EXPECT_TRUE(g->leesvoortgang->isVisible()); // its "(Esc breekt af)" under the box
    g->close();
    test::wachtTot([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_TRUE(g->isVisible() && g->bezig());
    berichten.open[1](bericht::Antwoord{});
    gestopt();
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(berichten.open.size(), 2u); // no box after the close

    berichten.vasthouden = false;
    berichten.lijst.clear();
    doorloop(fake, false);
    ASSERT_TRUE(test::wachtTot([&] { return !g->bezig(); }));
    EXPECT_EQ(berichten.lijst.size(), 2u);
    EXPECT_TRUE(g->isVisible() && g->resultaatpaneel->isVisible());

    // The Escape of a warning stops the pass; quitting ends it with its reading thread at once.
    ASSERT_TRUE(QFile::remove(bmp()));
    maak(fake);
    berichten.escapeBij = 3;
    doorloop(fake, true);
    gestopt();
    EXPECT_EQ(berichten.lijst.size(), 3u);
    berichten.vasthouden = true;
    doorloop(fake, true);
    ASSERT_TRUE(test::wachtTot([&] { return berichten.open.size() == 3; }));
    QElapsedTimer klok;
    klok.start();
    g.reset();
    EXPECT_LT(klok.elapsed(), 1000);
    EXPECT_LT(gelezen, std::uint64_t{1} << 29);
}

struct Onmogelijk final : Bron {
    Stuk lees(char*, std::size_t) override { throw std::bad_alloc(); }
};

// A job that cannot start or fails in its thread ends with a box, the window free again.
TEST_F(Doorloop, EenLeestaakDieNietStartOfFaaltGeeftEenFoutmelding) {
    test::Gpx().in(binnen[0], 2009).schrijf((map + "/a.gpx").toStdString());
    const QString geheugen = "er is niet genoeg geheugen vrij; sluit andere programma's en probeer het opnieuw";
    const struct {
        std::function<std::unique_ptr<Bron>(const std::string&)> bron;
        Leeswerk::Starter starter;
        QString reden;
    } gevallen[] = {
        {[](const std::string&) -> std::unique_ptr<Bron> { throw std::bad_alloc(); }, {}, geheugen},
        {{}, [](QThread&) {}, "het lezen kan niet worden gestart; sluit andere programma's en probeer het opnieuw"},
        {[](const std::string&) { return std::make_unique<Onmogelijk>(); }, {}, geheugen},
    };
    for (const auto& geval : gevallen) {
        Vensterinhoud h{Vensterinhoud::Omgeving{"02-04-2009", {}, {}, geval.bron, {}}};
        h.afbeeldingsnaam = bmp();
        h.show();
        ASSERT_TRUE(h.invulpaneel->kiesGpxBestand(QFile::encodeName(map + "/a.gpx")));
        berichten.lijst.clear();
        Leeswerk::Starter vorige = Leeswerk::zetStarter(geval.starter);
        h.invulpaneel->maakOverzichtKnop->click();
        Leeswerk::zetStarter(std::move(vorige));
        ASSERT_TRUE(test::wachtTot([&] { return !h.bezig(); })) << geval.reden.toStdString();
        ASSERT_EQ(berichten.lijst.size(), 1u) << geval.reden.toStdString();
        EXPECT_EQ(berichten.lijst[0].prompt, "Het overzicht van het GPX-bestand kan niet worden gemaakt:\n" +
                                                 QDir::toNativeSeparators(map + "/a.gpx") + " (" + geval.reden + ")");
        EXPECT_TRUE(h.invulpaneel->isVisible() && h.invulpaneel->isEnabled() && !test::wachtcursor(h));
        EXPECT_FALSE(h.resultaatpaneel->isVisible() || QFile::exists(bmp()));
    }
}

// The saved picture; a cell's menu (OpenStreetMap, home); the export's folder; a second pass;
// what fails, the overview that stood staying; and "open with".
TEST_F(Doorloop, BitmapMenuExportTweedeDoorloopEnMislukkingen) {
    // The home goes to Kavelzicht's own settings, here in a folder of this test's own, and
    // one kept where it went before they had that name is still found.
    const QFileInfo eigen(QSettings().fileName());
    EXPECT_EQ(std::pair(eigen.dir().dirName(), eigen.baseName()), std::pair(QString("Kavelzicht"), QString("Kavelzicht")));
    QTemporaryDir instellingen;
    QSettings::setPath(QSettings::defaultFormat(), QSettings::UserScope, instellingen.path());
    const auto terug = qScopeGuard([basis = QFileInfo(eigen.absolutePath()).absolutePath()] {
        QSettings::setPath(QSettings::defaultFormat(), QSettings::UserScope, basis);
    });
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Unknown Organization", "Kavelzicht").setValue("thuis", "52.5,5.5");
    EXPECT_EQ(Vensterinhoud::thuis().value_or(Coordinaat{}).breedte, 52.5);
    const test::Gpx eerste = test::Gpx::proef();
    draai(f, "eerste.gpx", &eerste, true, {2003, 2005, 2009});

    // The keyboard's cell of a map asks for its menu.
    f.activateWindow();
    int gevraagd = -1;
    QObject::connect(f.resultaatpaneel->hoofdkaart, &Kaart::menuGevraagd, &f, [&](int i, QPoint) { gevraagd = i; });
    f.resultaatpaneel->hoofdkaart->setFocus();
    test::druk(f.resultaatpaneel->hoofdkaart, Qt::Key_Right);
    QContextMenuEvent menutoets(QContextMenuEvent::Keyboard, QPoint(), QPoint(), Qt::NoModifier);
    QApplication::sendEvent(f.resultaatpaneel->hoofdkaart, &menutoets);
    EXPECT_EQ(gevraagd, binnen[0] + 1);
    for (QMenu* m : f.findChildren<QMenu*>()) m->close();

    // A region's menu is headed by its tooltip's first line; its home is marked and named, and
    // one that cannot be kept (a folder where the settings file goes) is said.
    Kaart* kaart = f.resultaatpaneel->hoofdkaart;
    const QString tip = kaart->tooltipTekst(binnen[40]);
    QMenu* menu = f.vakmenu(binnen[40]);
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_TRUE(menu->actions()[0]->text() == tip.section('\n', 0, 0) && !menu->actions()[0]->isEnabled() &&
                tip.startsWith("Regio ") && menu->actions()[1]->isSeparator());
    menu->actions()[2]->trigger();
    EXPECT_EQ(geopend, vakmenu::osmUrl(rijVanIndex(binnen[40]), kolomVanIndex(binnen[40])));
    const QImage zonderThuis = kaart->grab(kaart->celRect(binnen[40])).toImage();
    const QString bestand = QSettings().fileName();
    ASSERT_TRUE(bestand.startsWith(instellingen.path()) && QDir().mkpath(bestand));
    berichten.lijst.clear();
    menu->actions()[3]->trigger();
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(std::tuple(berichten.lijst[0].titel, berichten.lijst[0].prompt),
              std::tuple("Fout", "Uw thuis kan niet worden bewaard: de instellingen in " + QDir::toNativeSeparators(bestand) +
                                     " kunnen niet worden geschreven."));
    ASSERT_TRUE(QDir().rmdir(bestand));
    menu->actions()[3]->trigger();
    EXPECT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(kaart->tooltipTekst(binnen[40]), tip + "\nUw thuis");
    EXPECT_NE(kaart->grab(kaart->celRect(binnen[40])).toImage(), zonderThuis);

    // The export's dialog opens where the picture went (later exports: voortgangsvenster_ui_test).
    test::Bestandsdialoog dialoog;
    dialoog.naam = map + "/r.geojson";
    f.resultaatpaneel->exporteerKnop->click();
    EXPECT_EQ(dialoog.map, map);
    EXPECT_TRUE(QFile::exists(map + "/r.geojson"));

    // A second file without shading: no class legend, one green for every visited region.
    test::Gpx tweede;
    tweede.in(binnen[3], 2012).in(binnen[3], 2012).in(binnen[600], 2004).in(binnen[9], 2014, "Belgium");
    draai(f, "tweede.gpx", &tweede, false, {2014, 2004, 2012});
    EXPECT_FALSE(f.resultaatpaneel->klassenKader->isVisibleTo(f.resultaatpaneel));
    const QImage tweedeBeeld(bmp());

    // A window that only ever saw the second file shows the same and saves the same picture
    // (every map's cells and every statistic are in it).
    Vensterinhoud vers{Vensterinhoud::Omgeving{"02-04-2009", {}, {}, {}, {}}};
    vers.show();
    draai(vers, "tweede.gpx", nullptr, false, {2014, 2004, 2012});
    EXPECT_EQ(teksten(f), teksten(vers));
    EXPECT_TRUE(QImage(bmp()) == tweedeBeeld);

    // A picture that cannot be saved: the box, the overview standing with the panel's normal look.
    berichten.lijst.clear();
    draai(f, "eerste.gpx", nullptr, true, {2003, 2005, 2009}, [&] { f.afbeeldingsnaam = map + "/weg/Kavelzicht.bmp"; });
    ASSERT_EQ(berichten.lijst.size(), 3u); // after the two warnings
    EXPECT_TRUE(berichten.lijst[2].prompt.endsWith(" (de map bestaat niet)") && !berichten.lijst[2].wacht);
    EXPECT_TRUE(f.resultaatpaneel->isVisible() && f.resultaatpaneel->terugKnop->isVisible());
    EXPECT_EQ(f.resultaatpaneel->klassenKader->width(), 305);

    // Without a readable file only the box: nothing counted, drawn or saved, the years not yet
    // sorted; the class legend already follows the shading choice.
    const QStringList eerder = teksten(f);
    const auto mislukt = [&](const std::function<void()>& vooraf, const QString& prompt) {
        berichten.lijst.clear();
        draai(f, "eerste.gpx", nullptr, false, {2012, 2007, 2008}, vooraf);
        ASSERT_EQ(berichten.lijst.size(), 1u);
        const auto& b = berichten.lijst[0];
        EXPECT_EQ(std::tuple(b.prompt, b.titel, b.soort, b.wacht), std::tuple(prompt, "Fout", bericht::Soort::fout, false));
        EXPECT_TRUE(f.invulpaneel->isVisible() && !f.resultaatpaneel->isVisible() && !f.resultaatpaneel->klassenKader->isVisibleTo(f.resultaatpaneel));
        EXPECT_EQ(teksten(f), eerder.mid(0, 14) + QStringList({"2012", "2007", "2008"}));
        EXPECT_TRUE(QImage(bmp()) == tweedeBeeld);
    };
    mislukt([&] { f.invulpaneel->bestandlijst->kiesRij(-1); }, "U dient nog een GPX-bestand te selecteren");
    mislukt([&] { ASSERT_TRUE(QFile::remove(map + "/eerste.gpx")); },
            "Het GPX-bestand kan niet worden geopend:\n" + QDir::toNativeSeparators(map + "/eerste.gpx") +
                " (het bestand bestaat niet)");

    // Open with: the overview, the file chosen in its folder; never the picture as found log.
    berichten.lijst.clear();
    f.openOverzicht(QFile::encodeName(map + "/tweede.gpx"));
    ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
    EXPECT_TRUE(f.resultaatpaneel->isVisible() && berichten.lijst.empty());
    EXPECT_EQ(f.invulpaneel->bestandlijst->map() + "/" + f.invulpaneel->bestandlijst->gekozenNaam(), map + "/tweede.gpx");
    f.openOverzicht(QFile::encodeName(bmp())); // refused before a pass starts
    ASSERT_EQ(berichten.lijst.size(), 1u);
    EXPECT_EQ(berichten.lijst[0].prompt, "Het GPX-bestand en het overzicht zijn hetzelfde bestand (" +
                                             QDir::toNativeSeparators(bmp()) + "); er is niets geschreven");
}

} // namespace
} // namespace kz
