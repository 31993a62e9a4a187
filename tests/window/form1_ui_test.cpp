// The main window after start-up: panels, layout, maps, legend, year lists, way back.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QFontInfo>
#include <QImage>

#include "foundlog/tally.h"
#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {
namespace {

Form1::Omgeving opDatum(const QString& datum) { return Form1::Omgeving{datum, {}}; }

QRect r(int x, int y, int w, int h) { return QRect(x, y, w, h); }

// Position of a widget among its siblings, back (0) to front.
int stapelplek(const QWidget* w) {
    int plek = 0;
    for (QObject* o : w->parent()->children()) {
        if (o == w) return plek;
        if (o->isWidgetType()) ++plek;
    }
    return -1;
}

TEST(Form1, OpentMetAlleenHetInvulformulierInBeeld) {
    Form1 f(opDatum("02-04-2009"));
    f.show();
    tk::DoEvents();
    EXPECT_EQ(f.windowTitle(), "Kavelzicht");
    EXPECT_EQ(f.size(), QSize(632, 688));
    EXPECT_FALSE(f.windowIcon().pixmap(32, 32).isNull());
    EXPECT_TRUE(f.Frame6->isVisible());
    EXPECT_FALSE(f.Frame7->isVisible());
    EXPECT_GT(stapelplek(f.Frame6), stapelplek(f.Frame7));
    f.Picture1->show();
    EXPECT_FALSE(f.Picture1->isVisible());

    // Where the first white cell of the main map would be, the input panel shows its
    // grey face; once the panels swap, the white cell is there.
    const QPoint cel0(28, 44);
    EXPECT_EQ(f.grab().toImage().pixelColor(cel0), tk::knopvlak);
    f.Frame6->hide();
    f.Frame7->show();
    tk::DoEvents();
    EXPECT_EQ(f.grab().toImage().pixelColor(cel0), QColor(Qt::white));

    f.terug_Click();
    EXPECT_TRUE(f.Frame6->isVisible());
    EXPECT_FALSE(f.Frame7->isVisible());
}

TEST(Form1, BesturingenStaanOpHunPlaatsInHunKader) {
    Form1 f(opDatum("02-04-2009"));
    struct Verwacht {
        QWidget* control;
        QWidget* kader;
        QRect pixels;
    };
    const Verwacht tabel[] = {
        {f.Frame6, &f, r(8, 8, 617, 673)},           {f.Frame7, &f, r(8, 8, 617, 673)},
        {f.Picture1, &f, r(104, 320, 121, 129)},     {f.Maakoverzicht, f.Frame6, r(488, 640, 105, 25)},
        {f.Frame9, f.Frame6, r(24, 136, 569, 497)},  {f.File1, f.Frame9, r(232, 32, 321, 448)},
        {f.Dir1, f.Frame9, r(8, 56, 217, 426)},      {f.Drive1, f.Frame9, r(8, 32, 217, 21)},
        {f.Frame8, f.Frame6, r(24, 24, 569, 105)},   {f.kleurvariant, f.Frame8, r(448, 64, 97, 25)},
        {f.jaar[0], f.Frame8, r(8, 72, 81, 21)},     {f.jaar[2], f.Frame8, r(200, 72, 81, 21)},
        {f.Label5[1], f.Frame8, r(104, 56, 65, 17)}, {f.Label4, f.Frame8, r(8, 24, 433, 17)},
        {f.Opmerkingen, f.Frame6, r(176, 648, 257, 17)}, {f.versie, f.Frame6, r(24, 648, 129, 17)},
        {f.terug, f.Frame7, r(320, 600, 81, 25)},    {f.Frame10, f.Frame7, r(8, 592, 305, 73)},
        {f.Label2[5], f.Frame10, r(224, 40, 65, 17)}, {f.vakje[6], f.Frame10, r(112, 24, 8, 17)},
        {f.Frame1, f.Frame7, r(8, 16, 393, 433)},    {f.Frame2, f.Frame7, r(8, 448, 393, 145)},
        {f.perc[0], f.Frame2, r(336, 16, 33, 17)},   {f.aantal[1], f.Frame2, r(296, 32, 33, 17)},
        {f.Label1[2], f.Frame2, r(24, 48, 265, 17)}, {f.nlcache, f.Frame2, r(288, 96, 41, 17)},
        {f.totcache, f.Frame2, r(288, 112, 41, 17)}, {f.vakje[3], f.Frame2, r(8, 64, 8, 17)},
        {f.Frame3, f.Frame7, r(408, 16, 201, 217)},  {f.nrjr1, f.Frame3, r(24, 192, 57, 17)},
        {f.vakje[10], f.Frame3, r(8, 192, 8, 17)},   {f.Frame5, f.Frame7, r(408, 448, 201, 217)},
        {f.nrjr3, f.Frame5, r(24, 192, 65, 17)},
    };
    for (const Verwacht& v : tabel) {
        EXPECT_EQ(v.control->parentWidget(), v.kader) << v.control->metaObject()->className();
        EXPECT_EQ(v.control->geometry(), v.pixels) << v.control->metaObject()->className();
    }

    // Front to back within a container; each map lies behind its frame's other controls.
    EXPECT_GT(stapelplek(f.Maakoverzicht), stapelplek(f.Frame9));
    EXPECT_GT(stapelplek(f.File1), stapelplek(f.Drive1));
    EXPECT_GT(stapelplek(f.terug), stapelplek(f.Frame10));
    EXPECT_GT(stapelplek(f.nrjr1), stapelplek(f.vakje[10]));
    EXPECT_GT(stapelplek(f.vakje[11]), stapelplek(f.nrjr2));
    EXPECT_EQ(stapelplek(f.vak), 0);
    EXPECT_EQ(stapelplek(f.vak07), 0);
    EXPECT_EQ(stapelplek(f.vak09), 0);
    EXPECT_EQ(f.vak->geometry(), f.Frame1->rect());

    // The pass widens the class legend to the statistics frame's width and back.
    EXPECT_EQ(tk::breedte(f.Frame10), 4575);
    tk::zetBreedte(f.Frame10, tk::breedte(f.Frame2));
    EXPECT_EQ(f.Frame10->geometry(), r(8, 592, 393, 73));
    EXPECT_EQ(tk::breedte(f.Frame10), 5895);
}

TEST(Form1, OpschriftenKleurenEnLettertypen) {
    Form1 f(opDatum("02-04-2009"));
    EXPECT_EQ(f.versie->text(), "Versie: 1.0.5");
    EXPECT_EQ(f.Opmerkingen->text(), QString("Opmerkingen? Mail naar ") + contactadres);
    EXPECT_EQ(f.Opmerkingen->palette().color(QPalette::WindowText), QColor(171, 171, 171));
    for (Kader* k : {f.Frame8, f.Frame9, f.Frame10}) EXPECT_EQ(k->kopKleur(), QColor(0, 0, 255)) << k->title().toStdString();
    EXPECT_NE(f.Frame6->kopKleur(), QColor(0, 0, 255));
    for (QLabel* l : {f.perc[0], f.perc[1], f.aantal[0], f.aantal[1], f.nlcache, f.totcache})
        EXPECT_TRUE(l->alignment() & Qt::AlignRight);
    EXPECT_FALSE(f.Label6->alignment() & Qt::AlignRight);

    const QFontInfo arial(f.Label1[0]->font());
    EXPECT_EQ(arial.family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(f.Label1[0]->font().pointSizeF(), 8.25);
    const QFontInfo gewoon(f.Label6->font());
    EXPECT_EQ(gewoon.family(), "Liberation Sans");
    EXPECT_EQ(gewoon.pointSize(), 8);

    EXPECT_FALSE(f.kleurvariant->isChecked());
    for (QComboBox* j : f.jaar) EXPECT_FALSE(j->isEditable());
    EXPECT_EQ(f.Maakoverzicht->shortcut(), QKeySequence(Qt::ALT | Qt::Key_M));
    EXPECT_EQ(f.terug->shortcut(), QKeySequence(Qt::ALT | Qt::Key_T));

    // Tab order through the focusable controls of both panels.
    const std::vector<QWidget*> volgorde = {f.jaar[0], f.jaar[1], f.jaar[2], f.Maakoverzicht, f.Drive1,
                                            f.Dir1,    f.File1,   f.kleurvariant, f.terug};
    std::vector<QWidget*> gevonden;
    QWidget* w = f.jaar[0];
    do {
        if (std::find(volgorde.begin(), volgorde.end(), w) != volgorde.end()) gevonden.push_back(w);
        w = w->nextInFocusChain();
    } while (w != f.jaar[0] && gevonden.size() < 20);
    EXPECT_EQ(gevonden, volgorde);
}

TEST(Form1, KaartenLiggenAlsRasterVanafCelNul) {
    Form1 f(opDatum("02-04-2009"));
    auto plek = [](const Kaart* k, int i) { return std::pair{k->left(i), k->top(i)}; };
    using P = std::pair<float, float>;
    EXPECT_EQ(plek(f.vak, 0), P(120, 240));
    EXPECT_EQ(plek(f.vak, 1), P(240, 240));
    EXPECT_EQ(plek(f.vak, 46), P(5640, 240));
    EXPECT_EQ(plek(f.vak, 47), P(120, 450));
    EXPECT_EQ(plek(f.vak, 1315), P(5640, 5910));
    for (const Kaart* k : {f.vak07, f.vak08, f.vak09}) {
        EXPECT_EQ(plek(k, 46), P(2880, 240));
        EXPECT_EQ(plek(k, 1315), P(2880, 3075));
        EXPECT_EQ(k->width(500), 60);
        EXPECT_EQ(k->height(500), 105);
    }
    for (int i = 0; i < Kaart::aantal; ++i) {
        ASSERT_EQ(f.vak->kleur(i), witteKleur) << i;
        ASSERT_EQ(f.vak->width(i), 120);
        ASSERT_EQ(f.vak->height(i), 210);
    }
    EXPECT_EQ(f.nl.aantal(), 627);

    // Cells touch on screen: 8 x 14 pixels on the main map.
    EXPECT_EQ(f.vak->celRect(0), QRect(8, 16, 8, 14));
    EXPECT_EQ(f.vak->celRect(48), QRect(16, 30, 8, 14));
    EXPECT_EQ(f.vak->indexOp(QPoint(20, 35)), 48);
    EXPECT_EQ(f.vak->indexOp(QPoint(2, 2)), -1);

    // A coloured cell is painted solid with a button-face outline.
    f.vak->zetKleur(48, vakjeKleuren[0]);
    EXPECT_EQ(f.vak->kleur(48), vakjeKleuren[0]);
    const QImage beeld = f.Frame1->grab().toImage();
    EXPECT_EQ(beeld.pixelColor(20, 35), QColor(255, 0, 0));
    EXPECT_EQ(beeld.pixelColor(16, 30), tk::knopvlak);
    EXPECT_EQ(beeld.pixelColor(12, 20), QColor(Qt::white));
}

TEST(Form1, LegendavakjesHebbenDeKlassekleuren) {
    Form1 f(opDatum("02-04-2009"));
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(f.vakje[i]->kleur(), vakjeKleuren[i]) << i;
        EXPECT_EQ(f.vakje[i]->size(), QSize(8, 17)) << i;
        const QImage beeld = f.vakje[i]->grab().toImage();
        EXPECT_EQ(beeld.pixelColor(4, 8), tk::naarQColor(vakjeKleuren[i])) << i;
        EXPECT_EQ(beeld.pixelColor(0, 0), QColor(Qt::black)) << i;
    }
    EXPECT_EQ(f.vakje[9]->kleur(), 0x00000000u);
}

TEST(Form1, HuidigJaarUitDeKorteDatum) {
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("02-04-2009"), 2009);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("2.4.2011"), 2011);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("15-3-2002"), 2003);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("2009-04-02"), 2003); // "4-02" reads as 4
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("02-04-09"), 2003);   // "4-09" reads as 4
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("6/12/26"), 2003);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("1-1-2026"), 2015);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("1E99"), 2015);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst(""), 2003);
    EXPECT_EQ(Form1::huidigJaarUitDatumtekst("zondag"), 2003);

    struct Geval {
        const char* datum;
        int jaren[3];
    };
    for (const Geval& g : {Geval{"02-04-2009", {2007, 2008, 2009}}, Geval{"31-12-2002", {2001, 2002, 2003}},
                           Geval{"2009-04-02", {2001, 2002, 2003}}, Geval{"02-04-09", {2001, 2002, 2003}},
                           Geval{"02-04-2026", {2013, 2014, 2015}}}) {
        Form1 f(opDatum(g.datum));
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(f.jaar[i]->count(), 15) << g.datum;
            EXPECT_EQ(f.jaar[i]->itemText(0), "2001");
            EXPECT_EQ(f.jaar[i]->itemText(14), "2015");
            EXPECT_EQ(f.jaar[i]->currentText(), QString::number(g.jaren[i])) << g.datum;
            EXPECT_EQ(f.jaar[i]->currentIndex() + 2001, g.jaren[i]) << g.datum;
        }
    }
}

TEST(Form1, TerugToontHetInvulformulierMetDezelfdeKeuzes) {
    Form1 f(opDatum("02-04-2009"));
    f.show();
    f.kleurvariant->setChecked(true);
    f.jaar[0]->setCurrentIndex(3);
    const QString map = f.Dir1->path();
    const QString drive = f.Drive1->drive();
    const int bestand = f.File1->listCount() > 0 ? 0 : -1;
    f.File1->setListIndex(bestand);

    f.Frame6->hide();
    f.Frame7->show();
    f.vak->zetKleur(0, vakjeKleuren[1]);
    f.nrjr1->setText("57 (12)");
    f.terug->click();

    EXPECT_TRUE(f.Frame6->isVisible());
    EXPECT_FALSE(f.Frame7->isVisible());
    EXPECT_TRUE(f.kleurvariant->isChecked());
    EXPECT_EQ(f.jaar[0]->currentIndex(), 3);
    EXPECT_EQ(f.Dir1->path(), map);
    EXPECT_EQ(f.Drive1->drive(), drive);
    EXPECT_EQ(f.File1->listIndex(), bestand);
    // The result panel keeps what the pass left on it.
    EXPECT_EQ(f.vak->kleur(0), vakjeKleuren[1]);
    EXPECT_EQ(f.nrjr1->text(), "57 (12)");
}

TEST(Toolkit, BerichtenAanwijzerEnGebeurtenissen) {
    std::vector<std::tuple<QString, int, QString>> berichten;
    tk::BerichtFunctie vorige = tk::zetBerichtFunctie(
        [&](const QString& p, int s, const QString& t) { berichten.emplace_back(p, s, t); });
    tk::MsgBox("U dient nog een GPX-bestand te selecteren", tk::vbCritical, "Fout");
    tk::zetBerichtFunctie(vorige);
    ASSERT_EQ(berichten.size(), 1u);
    EXPECT_EQ(std::get<0>(berichten[0]), "U dient nog een GPX-bestand te selecteren");
    EXPECT_EQ(std::get<1>(berichten[0]), 16);
    EXPECT_EQ(std::get<2>(berichten[0]), "Fout");

    QWidget venster;
    EXPECT_EQ(tk::MousePointer(venster), tk::vbDefault);
    tk::MousePointer(venster, tk::vbHourglass);
    EXPECT_EQ(venster.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(tk::MousePointer(venster), tk::vbHourglass);
    tk::MousePointer(venster, tk::vbDefault);
    EXPECT_EQ(tk::MousePointer(venster), tk::vbDefault);

    bool gedaan = false;
    QMetaObject::invokeMethod(&venster, [&] { gedaan = true; }, Qt::QueuedConnection);
    tk::DoEvents();
    EXPECT_TRUE(gedaan);
}

} // namespace
} // namespace kz
