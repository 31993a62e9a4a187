// SPDX-License-Identifier: GPL-3.0-or-later
// The main window after start-up: panels, layout, maps, legend, year lists, way back.
#include <QCheckBox>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTranslator>
#include <QWheelEvent>

#include "bediening/clientvlak.h"
#include "support/proef.h"
#include "support/venstertest.h"
#include "teksten/versie.h"
#include "venster/app.h"
#include "venster/hoofdvenster.h"

namespace kz {
namespace {

// The real boxes never wait in the call; a warning has the check box, a notice blocks its window.
TEST(Vensterinhoud, MeldingenAlsBerichtvensters) {
    QWidget venster;
    venster.show();
    std::optional<bericht::Antwoord> antwoord;
    bericht::waarschuwing(venster, "Een cache ...", "Fake?", [&](bericht::Antwoord a) { antwoord = a; });
    auto* box = venster.findChild<QMessageBox*>();
    ASSERT_TRUE(box && box->isVisible() && box->checkBox());
    EXPECT_EQ(std::tuple(box->icon(), box->windowTitle(), box->checkBox()->text()),
              std::tuple(QMessageBox::Critical, "Fake?", "&Geen verdere meldingen bij dit overzicht"));
    box->checkBox()->setChecked(true);
    box->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(antwoord && antwoord->stil && !antwoord->escape);
    bericht::informatie(venster, "Geen vondsten in dit bestand", "Geen vondsten");
    bericht::fout(venster, "De map kan niet worden geopend");
    const QList<QMessageBox*> boxen = venster.findChildren<QMessageBox*>();
    ASSERT_EQ(boxen.size(), 3);
    EXPECT_EQ(std::tuple(boxen[1]->windowModality(), boxen[1]->icon(), boxen[1]->windowTitle(), boxen[1]->checkBox()),
              std::tuple(Qt::WindowModal, QMessageBox::Information, "Geen vondsten", nullptr));
    EXPECT_EQ(std::tuple(boxen[2]->icon(), boxen[2]->windowTitle()), std::tuple(QMessageBox::Critical, "Fout"));
}

// Qt's own texts are Dutch, whatever the locale.
TEST(Vensterinhoud, QtsEigenTekstenZijnNederlands) {
    QTranslator* vertaler = laadQtVertalingen(*qApp);
    if (!vertaler) GTEST_SKIP() << "de Nederlandse vertaling van Qt (qt6-translations-l10n) ontbreekt";
    EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), "Hier schuiven");
    QCoreApplication::removeTranslator(vertaler);
    delete vertaler;
}

// The contrast of two colours as the web's accessibility guidelines reckon it, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto licht = [](const QColor& c) {
        const auto kanaal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * kanaal(c.redF()) + 0.7152 * kanaal(c.greenF()) + 0.0722 * kanaal(c.blueF());
    };
    const double x = licht(a), y = licht(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The panels, their keys, names and way back, on a dark desktop where every text stands out.
TEST(Vensterinhoud, PanelenToetsenNamenEnTerugOpEenDonkerBureaublad) {
    test::Berichten berichten;
    // As a desktop theme sets a palette: for the application and for kinds of control.
    const auto zet = [](const QPalette& p) {
        QApplication::setPalette(p);
        for (const char* soort : {"QLabel", "QComboBox", "QAbstractItemView", "QPushButton", "QCheckBox", "QGroupBox"})
            QApplication::setPalette(p, soort);
    };
    const QPalette eerder = QApplication::palette();
    QPalette donker(QColor(53, 53, 53), QColor(45, 45, 45));
    for (const QPalette::ColorRole rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        donker.setColor(rol, QColor(238, 238, 236));
    donker.setColor(QPalette::Base, QColor(30, 30, 30));
    zet(donker);
    const auto terug = qScopeGuard([&] { zet(eerder); });
    Hoofdvenster h(Vensterinhoud::Omgeving{"02-04-2009", {}, {}, {}, {}});
    Vensterinhoud& f = h.inhoud();
    h.show();
    QCoreApplication::processEvents();
    const auto leesbaar = [](const QWidget* w, QPalette::ColorRole tekst, QPalette::ColorRole grond,
                             QColor kleur = {}) {
        if (!kleur.isValid()) kleur = w->palette().color(tekst);
        EXPECT_GE(contrast(kleur, w->palette().color(grond)), 4.5)
            << w->metaObject()->className() << " " << w->accessibleName().toStdString();
    };
    for (const QLabel* w : f.findChildren<QLabel*>()) leesbaar(w, QPalette::WindowText, QPalette::Window);
    for (const QCheckBox* w : f.findChildren<QCheckBox*>()) leesbaar(w, QPalette::WindowText, QPalette::Window);
    for (const QPushButton* w : f.findChildren<QPushButton*>()) leesbaar(w, QPalette::ButtonText, QPalette::Button);
    for (const QComboBox* w : f.findChildren<QComboBox*>()) leesbaar(w, QPalette::ButtonText, QPalette::Button);
    for (const QListWidget* w : f.findChildren<QListWidget*>()) leesbaar(w, QPalette::Text, QPalette::Base);
    for (const Kader* w : f.findChildren<Kader*>()) leesbaar(w, QPalette::WindowText, QPalette::Window, w->kopKleur());
    EXPECT_EQ(h.palette().color(QPalette::Window), knopvlak);

    // The icon as installed, drawn for each size: the 16-pixel one is not a scaled-down 32.
    EXPECT_EQ(f.windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/iconen/%1-16.png").arg(bureaubladId)).convertToFormat(QImage::Format_ARGB32));

    EXPECT_FALSE(f.invulpaneel->kleurschakering->isChecked());
    f.invulpaneel->kleurschakering->setChecked(true);
    f.invulpaneel->jaar[0]->setCurrentIndex(3);
    f.invulpaneel->hide();
    f.resultaatpaneel->show();

    // Nothing lies over "&Terug": a click on it reaches it.
    EXPECT_EQ(f.resultaatpaneel->childAt(f.resultaatpaneel->terugKnop->geometry().center()), f.resultaatpaneel->terugKnop);
    // Keypad Enter on "&Terug": the choices as they were, the focus on "&Maak overzicht".
    f.resultaatpaneel->terugKnop->setFocus();
    test::druk(f.resultaatpaneel->terugKnop, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(f.focusWidget(), f.invulpaneel->maakOverzichtKnop);
    EXPECT_TRUE(f.invulpaneel->isVisible() && !f.resultaatpaneel->isVisible());
    EXPECT_TRUE(f.invulpaneel->kleurschakering->isChecked());
    EXPECT_EQ(f.invulpaneel->jaar[0]->currentIndex(), 3);

    auto naam = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(QStringList({naam(f.invulpaneel->jaar[0]), naam(f.invulpaneel->jaar[1]), naam(f.invulpaneel->jaar[2]), naam(f.invulpaneel->stationlijst),
                           naam(f.invulpaneel->maplijst), naam(f.invulpaneel->bestandlijst), naam(f.invulpaneel->jaargangenKader), naam(f.invulpaneel->bestandKader),
                           naam(f.resultaatpaneel->hoofdkaartKader), naam(f.resultaatpaneel->hoofdkaart), naam(f.resultaatpaneel->klasseVakje6)}),
              QStringList({"Jaar 1", "Jaar 2", "Jaar 3", "Station", "Mappen", "GPX-bestanden", "Jaargangen",
                           "Selecteer GPX-bestand", "Hoofdkaart", "Hoofdkaart", "16 of meer"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.resultaatpaneel->hoofdkaart)->role(), QAccessible::Graphic);

    // Every control that Tab reaches, in its order: the input panel's, then the result panel's.
    const std::vector<QWidget*> volgorde = {f.invulpaneel->jaar[0], f.invulpaneel->jaar[1], f.invulpaneel->jaar[2], f.invulpaneel->maakOverzichtKnop, f.invulpaneel->stationlijst,
                                            f.invulpaneel->maplijst,    f.invulpaneel->bestandlijst,   f.invulpaneel->kleurschakering, f.resultaatpaneel->terugKnop,
                                            f.resultaatpaneel->voortgangKnop, f.resultaatpaneel->exporteerKnop, f.resultaatpaneel->hoofdkaart,
                                            f.resultaatpaneel->jaarkaart1, f.resultaatpaneel->jaarkaart2, f.resultaatpaneel->jaarkaart3};
    std::vector<QWidget*> gevonden;
    QWidget* w = f.invulpaneel->jaar[0];
    do if (w->focusPolicy() & Qt::TabFocus) gevonden.push_back(w);
    while ((w = w->nextInFocusChain()) != f.invulpaneel->jaar[0]);
    EXPECT_EQ(gevonden, volgorde);
}

// On every screen of the test list the window fits, scrolls where it must, and follows the
// keyboard's focus; a double click reads a file, the wheel leaves an unfocused year alone.
TEST(Scherm, HetVensterPastEnElkeKnopIsBereikbaar) {
    test::Berichten berichten;
    test::LocaleWacht locale{"nl_NL"};
    QTemporaryDir tmp;
    const QString map = QDir(tmp.path()).canonicalPath();
    const std::vector<int> binnen = test::Gpx::vakken(true);
    for (int k = 0; k < 10; ++k) {
        test::Gpx g; // file k: finds in k + 1 regions
        for (int r = 0; r <= k; ++r) g.in(binnen[std::size_t(r) * 20], 2009);
        g.schrijf((map + QStringLiteral("/vondsten_%1.gpx").arg(k, 2, 10, QLatin1Char('0'))).toStdString());
    }
    // A home kept from before, marked on the main map from the start but never in the picture.
    QSettings().setValue("thuis", "52.09,5.12");
    const auto zonderThuis = qScopeGuard([] { QSettings().remove("thuis"); });
    Hoofdvenster h(Vensterinhoud::Omgeving{"02-04-2009", {}, map, {}, {}});
    h.move(h.screen()->availableGeometry().bottomRight() - QPoint(100, 100));
    h.show();
    h.activateWindow();
    QCoreApplication::processEvents();
    Vensterinhoud& f = h.inhoud();
    f.afbeeldingsnaam = map + "/Kavelzicht.bmp";
    const QRect vrij = h.screen()->availableGeometry();
    EXPECT_TRUE(vrij.contains(h.frameGeometry())) << vrij.width() << "x" << vrij.height() << " " << h.frameGeometry().x()
                                                  << "," << h.frameGeometry().y();
    EXPECT_TRUE(QRect(QPoint(), vrij.size()).contains(QRect(QPoint(), h.maximumSize())));
    const bool past = vrij.width() >= 700 && vrij.height() >= 780;
    EXPECT_EQ(h.verticalScrollBar()->isVisible() || h.horizontalScrollBar()->isVisible(), !past);
    if (past) {
        EXPECT_EQ(h.viewport()->size(), QSize(632, 688));
    }
    EXPECT_EQ(h.status->text(), "Het overzicht wordt opgeslagen als " +
                                    QDir::toNativeSeparators(QDir::current().absoluteFilePath("Kavelzicht.bmp")));
    EXPECT_GE(h.status->y(), h.viewport()->geometry().bottom());

    Bestandlijst* lijst = f.invulpaneel->bestandlijst;
    ASSERT_EQ(lijst->count(), 10);
    test::klik(lijst->viewport(), lijst->visualItemRect(lijst->item(2)).center(), 2);
    ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
    ASSERT_TRUE(f.resultaatpaneel->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.resultaatpaneel->hoofdkaart)->text(QAccessible::Description),
              "Hoofdkaart: 3 van 627 regio's bezocht");
    f.terug();
    const auto wiel = [](QWidget* w) {
        for (int i = 0; i < 5; ++i) {
            QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &e);
        }
    };
    f.invulpaneel->jaar[0]->setFocus();
    wiel(f.invulpaneel->jaar[1]);
    wiel(f.invulpaneel->stationlijst);
    EXPECT_EQ(std::pair(f.invulpaneel->jaar[1]->currentText(), f.invulpaneel->stationlijst->currentIndex()), std::pair(QString("2008"), 0));
    wiel(f.invulpaneel->jaar[0]); // the one with the focus
    EXPECT_EQ(f.invulpaneel->jaar[0]->currentText(), "2012");

    auto zichtbaar = [&h](QWidget* w) {
        return h.viewport()->rect().contains(QRect(w->mapTo(h.viewport(), QPoint(0, 0)), w->size()));
    };
    h.ensureWidgetVisible(f.invulpaneel->jaar[0], 0, 0);
    f.invulpaneel->jaar[2]->setFocus();
    test::druk(f.invulpaneel->jaar[2], Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.invulpaneel->maakOverzichtKnop);
    EXPECT_TRUE(zichtbaar(f.invulpaneel->maakOverzichtKnop));

    // A pass: the result panel from its top, the focus on "&Terug", the status line updated.
    ASSERT_TRUE(QDir(map).mkdir("proef"));
    test::Gpx::proef().schrijf((map + "/proef/proef.gpx").toStdString());
    ASSERT_TRUE(f.invulpaneel->kiesGpxBestand(QFile::encodeName(map + "/proef/proef.gpx")));
    f.invulpaneel->kleurschakering->setChecked(true);
    for (std::size_t k = 0; k < 3; ++k) f.invulpaneel->jaar[k]->setCurrentIndex(std::array{2009, 2005, 2003}[k] - 2001);
    h.verticalScrollBar()->setValue(h.verticalScrollBar()->maximum());
    test::druk(f.invulpaneel->maakOverzichtKnop, Qt::Key_Return);
    ASSERT_TRUE(test::wachtTot([&] { return !f.bezig(); }));
    ASSERT_TRUE(f.resultaatpaneel->isVisible());
    EXPECT_EQ(f.focusWidget(), f.resultaatpaneel->terugKnop);
    EXPECT_EQ(h.horizontalScrollBar()->value() + h.verticalScrollBar()->value(), 0);
    EXPECT_EQ(h.status->text(), QDir::toNativeSeparators(map + "/proef/proef.gpx") + " gelezen; het overzicht is opgeslagen als " +
                                    QDir::toNativeSeparators(map + "/Kavelzicht.bmp"));
    EXPECT_TRUE(f.resultaatpaneel->hoofdkaart->tooltipTekst(vakindex(520, 61)).endsWith("\nUw thuis"));
    // The progress dialog, with its title bar and borders, fits the screen too; it lists the
    // regions nearest the home.
    f.resultaatpaneel->voortgangKnop->click();
    auto* voortgang = f.findChild<Voortgangsvenster*>();
    ASSERT_TRUE(voortgang && voortgang->isVisible() && voortgang->dichtstbij->isVisible());
    EXPECT_EQ(voortgang->frameGeometry().size().boundedTo(vrij.size()), voortgang->frameGeometry().size());
    voortgang->close();
    // On a scaled screen the text is drawn from other glyphs, so only its size holds there.
    const QImage beeld(f.afbeeldingsnaam);
    EXPECT_EQ(beeld.size(), QSize(632, 688));
    if (h.devicePixelRatio() == 1) {
        EXPECT_TRUE(test::zoalsProef(beeld, "scherm"));
    }
    test::druk(f.resultaatpaneel->terugKnop, Qt::Key_Return);
    EXPECT_EQ(f.focusWidget(), f.invulpaneel->maakOverzichtKnop);
    EXPECT_TRUE(zichtbaar(f.invulpaneel->maakOverzichtKnop));

    // A viewport a few pixels narrower (as a scaled screen may give) loses them from the margin.
    for (int minder : {0, 1, 6, 7, 20}) {
        h.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        h.setMinimumSize(0, 0);
        h.resize(632 - minder, 688 + 60);
        QCoreApplication::processEvents();
        EXPECT_EQ(h.horizontalScrollBar()->isVisible(), minder > 6) << minder;
        EXPECT_FALSE(h.verticalScrollBar()->isVisible()) << minder;
    }
}

} // namespace
} // namespace kz
