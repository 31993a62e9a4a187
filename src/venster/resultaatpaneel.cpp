// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/resultaatpaneel.h"

#include <QFont>
#include <QLocale>

#include "bediening/toolkit.h"
#include "grid/nlmasker.h"
#include "overview/kleur.h"
#include "teksten/overzichtteksten.h"
#include "teksten/voortgangteksten.h"
#include "venster/vensterbeeld.h"

namespace kz {

using tk::maakKader;
using tk::maakLabel;
using tk::plaats;
using tk::stapel;

namespace {

// Legend boxes are all this size; their labels stand 240 twips to their right.
constexpr int vakjeBreedte = 120;
constexpr int vakjeHoogte = 255;

Kleurvak* maakVakje(int i, QWidget* container, int left, int top) {
    auto* v = new Kleurvak(vakjeKleuren[i], container);
    plaats(v, left, top, vakjeBreedte, vakjeHoogte);
    return v;
}

} // namespace

Resultaatpaneel::Resultaatpaneel(QWidget* container) : Kader(QStringLiteral("Kavelzicht"), container) {
    terug = new Knop(QStringLiteral("&Terug"), this);
    plaats(terug, 4800, 9000, 1215, 375);
    voortgang = new Knop(QStringLiteral("&Voortgang..."), this);
    plaats(voortgang, 4800, 9405, 1215, 300);
    voortgang->setAccessibleName(voortgangteksten::titel());
    exporteren = new Knop(voortgangteksten::exporteren(), this);
    plaats(exporteren, 4800, 9720, 1215, 300);
    exporteren->setAccessibleName(voortgangteksten::exportTitel());

    // Legend of the count classes: three columns of two boxes, each with its label.
    Frame10 = maakKader(this, QStringLiteral("Aantal gevonden caches per regio"), 120, 8880, 4575, 1095, true);
    static const char* klassen[6] = {"1", "2,3", "4,5,6", "7 t/m 10", "11 t/m 15", "16 of meer"};
    static constexpr int kolomLeft[3] = {120, 1680, 3120};
    for (int i = 0; i < 6; ++i) {
        const int left = kolomLeft[i / 2], top = 360 + 240 * (i % 2);
        vakje[4 + i] = maakVakje(4 + i, Frame10, left, top);
        Label2[i] = maakLabel(Frame10, QString::fromUtf8(klassen[i]), left + 240, top, 975, 255);
    }
    stapel({Label2[5], Label2[4], Label2[3], Label2[2], Label2[1], Label2[0], vakje[4], vakje[5], vakje[6], vakje[7],
            vakje[8], vakje[9]});

    Frame1 = maakKader(this, QString(), 120, 240, 5895, 6495);
    vak = new Kaart(Frame1, 120, 240, 120, 210);

    // Statistics: the legend of the kinds of cell with their counts, and the totals.
    Frame2 = maakKader(this, QString(), 120, 6720, 5895, 2175);
    for (int i = 0; i < 2; ++i) {
        perc[i] = maakLabel(Frame2, QStringLiteral("87.3%"), 5040, 240 + 240 * i, 495, 255, true);
        aantal[i] = maakLabel(Frame2, QStringLiteral("1234"), 4440, 240 + 240 * i, 495, 255, true);
    }
    static const char* soorten[4] = {"Nog niet bezochte cache-regio", "Bezochte cache-regio",
                                     "Regio zonder Nederlandse caches", "Gevonden cache in 'fake'-Regio"};
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = maakLabel(Frame2, QString::fromUtf8(soorten[i]), 360, 240 + 240 * i, i < 2 ? 3735 : 3975, 255);
        Label1[i]->setFont(arial);
        vakje[i] = maakVakje(i, Frame2, 120, 240 + 240 * i);
    }
    Label6 = maakLabel(Frame2, QStringLiteral("Aantal gevonden Nederlandse caches:"), 360, 1440, 3495, 255);
    nlcache = maakLabel(Frame2, QStringLiteral("1234"), 4320, 1440, 615, 255, true);
    Label3 = maakLabel(Frame2, QStringLiteral("Aantal gevonden caches:"), 360, 1680, 3495, 255);
    totcache = maakLabel(Frame2, QStringLiteral("1234"), 4320, 1680, 615, 255, true);
    stapel({perc[1], perc[0], aantal[1], aantal[0], Label1[0], Label1[2], Label1[1], vakje[2], vakje[1], vakje[0],
            vakje[3], Label1[3], Label6, nlcache, Label3, totcache});

    // The year maps, each with the count of its year in front of its bottom-left cells.
    Frame3 = maakKader(this, QStringLiteral("2007"), 6120, 240, 3015, 3255);
    vak07 = new Kaart(Frame3, 120, 240, 60, 105);
    nrjr1 = maakLabel(Frame3, QStringLiteral("9999"), 360, 2880, 855, 255);
    vakje[10] = maakVakje(10, Frame3, 120, 2880);
    stapel({nrjr1, vakje[10], vak07});

    Frame4 = maakKader(this, QStringLiteral("2008"), 6120, 3480, 3015, 3255);
    vak08 = new Kaart(Frame4, 120, 240, 60, 105);
    vakje[11] = maakVakje(11, Frame4, 120, 2880);
    nrjr2 = maakLabel(Frame4, QStringLiteral("9999"), 360, 2880, 975, 255);
    stapel({vakje[11], nrjr2, vak08});

    Frame5 = maakKader(this, QStringLiteral("2009"), 6120, 6720, 3015, 3255);
    vak09 = new Kaart(Frame5, 120, 240, 60, 105);
    vakje[12] = maakVakje(12, Frame5, 120, 2880);
    nrjr3 = maakLabel(Frame5, QStringLiteral("9999"), 360, 2880, 975, 255);
    stapel({vakje[12], nrjr3, vak09});

    stapel({terug, voortgang, exporteren, Frame10, Frame1, Frame2, Frame3, Frame4, Frame5});

    // What a screen reader names: the captionless frames, the maps, the legend boxes by
    // the label beside each.
    Frame1->setAccessibleName(QStringLiteral("Hoofdkaart"));
    Frame2->setAccessibleName(QStringLiteral("Statistieken"));
    vak->setAccessibleName(QStringLiteral("Hoofdkaart"));
    for (int i = 0; i < 6; ++i) vakje[4 + i]->setAccessibleName(Label2[i]->text());
    for (int i = 0; i < 4; ++i) vakje[i]->setAccessibleName(Label1[i]->text());
    for (Kleurvak* v : {vakje[10], vakje[11], vakje[12]}) v->setAccessibleName(Label1[1]->text());

    legKaartenUit();
    // The maps' tooltips tell the Dutch cache regions from the other cells.
    for (Kaart* k : {vak, vak07, vak08, vak09}) k->zetMasker(nederlandseRegios());
}

void Resultaatpaneel::legKaartenUit() {
    // Lay each map out as a grid from cell 0: first the top row left to right, then
    // every further cell directly below the one 47 places before it.
    const std::array<Kaart*, 4> kaarten = {vak, vak07, vak08, vak09};
    for (int i = 1; i < aantalKolommen; ++i) {
        for (Kaart* k : kaarten) {
            k->setLeft(i, k->left(i - 1) + k->width(i - 1));
            k->setTop(i, k->top(i - 1));
        }
    }
    for (int i = aantalKolommen; i < aantalVakken; ++i) {
        for (Kaart* k : kaarten) {
            k->setTop(i, k->top(i - aantalKolommen) + k->height(i - aantalKolommen));
            k->setLeft(i, k->left(i - aantalKolommen));
        }
    }
}

void Resultaatpaneel::toonKlassen(bool kleurschakering) { Frame10->setVisible(kleurschakering); }

void Resultaatpaneel::toon(const Overzicht& o) {
    const Overzichtteksten t = Overzichtteksten::van(o, QLocale());
    const std::array<Kader*, 3> jaarkaders{Frame3, Frame4, Frame5};
    const std::array<Kaart*, 4> kaarten{vak, vak07, vak08, vak09};
    for (std::size_t k = 0; k < 3; ++k) {
        jaarkaders[k]->zetOpschrift(t.jaar[k]);
        kaarten[k + 1]->setAccessibleName(QStringLiteral("Jaarkaart ") + t.jaar[k]);
    }
    for (std::size_t m = 0; m < 4; ++m) {
        kaarten[m]->zetKleuren(o.kaarten.kleur[m]);
        // The counts behind the tooltips: all years on the main map, one year on the others.
        kaarten[m]->zetAantallen(o.aantallen[m], m == 0 ? 0 : o.jaren[m - 1]);
        kaarten[m]->setAccessibleDescription(t.kaarten[m]);
    }

    tk::zetTekstPassend(aantal[0], t.aantal[0]);
    tk::zetTekstPassend(aantal[1], t.aantal[1]);
    tk::zetTekstPassend(perc[0], t.perc[0]);
    tk::zetTekstPassend(perc[1], t.perc[1]);
    tk::zetTekstPassend(Label1[2], t.zonderNl);
    tk::zetTekstPassend(Label1[3], t.fake);
    tk::zetTekstPassend(nlcache, t.nlcache);
    tk::zetTekstPassend(totcache, t.totcache);
    tk::zetTekstPassend(nrjr1, t.nrjr[0]);
    tk::zetTekstPassend(nrjr2, t.nrjr[1]);
    tk::zetTekstPassend(nrjr3, t.nrjr[2]);

    // A screen reader reads each statistic once, as its caption with its value; the
    // labels that show only the value are passed over.
    const std::array<QWidget*, 9> gelezen{Label1[0], Label1[1], Label1[2], Label1[3], Label6, Label3, nrjr1, nrjr2, nrjr3};
    for (std::size_t i = 0; i < gelezen.size(); ++i) gelezen[i]->setAccessibleName(t.regels[qsizetype(i)]);
}

Schrijffout Resultaatpaneel::bewaarBeeld(QImage& beeld, const QString& naam, const QByteArray& formaat) {
    setVisible(true);
    for (Knop* knop : {terug, voortgang, exporteren}) knop->setVisible(false);
    const int legendaBreedte = tk::breedte(Frame10);
    tk::zetBreedte(Frame10, tk::breedte(Frame2));
    // Let the window paint the panel as it now stands before it is copied.
    tk::DoEvents();

    const Schrijffout gelukt = bewaarVensterbeeld(*parentWidget(), beeld, naam, formaat);

    tk::zetBreedte(Frame10, legendaBreedte);
    for (Knop* knop : {terug, voortgang, exporteren}) knop->setVisible(true);
    return gelukt;
}

} // namespace kz
