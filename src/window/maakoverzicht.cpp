// The overview pass behind "&Maak overzicht": read the chosen GPX file, colour the four
// maps, write the statistics, show the result panel and save its picture.
#include <QLocale>

#include "foundlog/pass_start.h"
#include "foundlog/scanner.h"
#include "foundlog/tally.h"
#include "grid/vaktekst.h"
#include "overview/colouring.h"
#include "overview/export.h"
#include "overview/statistics.h"
#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {

void Form1::Maakoverzicht_Click() { maakOverzicht(); }

Form1::Uitkomst Form1::maakOverzicht() {
    // Start of the pass: the class legend follows the shading choice, then the hourglass.
    const bool kleurschakering = kleurvariant->checkState() != Qt::Unchecked;
    Frame10->setVisible(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);

    if (File1->listIndex() < 0) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(QStringLiteral("U dient nog een GPX-bestand te selecteren"), tk::vbCritical, QStringLiteral("Fout"));
        return Uitkomst::GeenBestand;
    }

    // The folder highlighted in the folder list (normally the open one) and the file.
    const std::string pad = bouwPad(Dir1->entry(Dir1->listIndex()).toStdString(), File1->fileName().toStdString());
    GpxBestand bestand(pad);
    auto meldLeesfout = [this](const std::string& fout) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(QString::fromStdString(fout), tk::vbCritical, QStringLiteral("Fout"));
        return Uitkomst::NietGelezen;
    };
    if (auto fout = bestand.open()) return meldLeesfout(*fout);

    // The three years in ascending order, in the boxes and on the year maps.
    std::array<int, 3> posities{jaar[0]->currentIndex(), jaar[1]->currentIndex(), jaar[2]->currentIndex()};
    sorteerJaren(posities);
    std::array<int, 3> jaren{};
    const std::array<Kader*, 3> jaarkaders{Frame3, Frame4, Frame5};
    for (int k = 0; k < 3; ++k) {
        jaar[k]->setCurrentIndex(posities[k]);
        jaren[k] = jaarVanPositie(posities[k]);
        jaarkaders[k]->setTitle(QString::number(jaren[k]));
    }

    // Read and tally; every warning waits for the user.
    const std::string decimaalteken = QLocale().decimalPoint().toStdString();
    Telling telling(nl, [](const Waarschuwing& w) {
        tk::MsgBox(QString::fromStdString(w.tekst), tk::vbCritical, QString::fromStdString(w.titel));
    }, decimaalteken);
    if (auto fout = bestand.scan([&telling](const Waypoint& wp) { telling.tel(wp); })) return meldLeesfout(*fout);

    // Colour the maps.
    const Kaarten kaarten = kleurKaarten(telling.gevonden, nl, jaren, kleurschakering);
    const std::array<Kaart*, 4> kaartWidgets{vak, vak07, vak08, vak09};
    for (int m = 0; m < 4; ++m) kaartWidgets[m]->zetKleuren(kaarten.kleur[m]);
    // The counts behind the maps' tooltips: all years on the main map, one year on each other.
    vak->zetAantallen(aantallenPerVak(telling.gevonden, totaalslot), 0);
    for (int m = 1; m < 4; ++m)
        kaartWidgets[m]->zetAantallen(aantallenPerVak(telling.gevonden, jaren[m - 1]), jaren[m - 1]);

    // The statistics.
    const Statistiek s = maakStatistiek(kaarten, telling.nltotaal, telling.totaal, decimaalteken);
    auto zet = [](QLabel* label, const std::string& tekst) { tk::zetTekstPassend(label, QString::fromStdString(tekst)); };
    zet(aantal[0], s.aantal0);
    zet(aantal[1], s.aantal1);
    zet(perc[0], s.perc0);
    zet(perc[1], s.perc1);
    zet(Label1[2], s.label1_2);
    zet(Label1[3], s.label1_3);
    zet(nlcache, s.nlcache);
    zet(totcache, s.totcache);
    zet(nrjr1, s.nrjr[0]);
    zet(nrjr2, s.nrjr[1]);
    zet(nrjr3, s.nrjr[2]);

    // The result panel as the picture shows it: no "&Terug", the class legend as wide as
    // the statistics frame above it.
    Frame6->setVisible(false);
    Frame7->setVisible(true);
    terug->setVisible(false);
    const int legendaBreedte = tk::breedte(Frame10);
    tk::zetBreedte(Frame10, tk::breedte(Frame2));
    tk::MousePointer(*this, tk::vbDefault);
    tk::DoEvents();

    const std::optional<QString> opslagfout = SaveFormImageToFile(*this, Picture1->beeld, afbeeldingsnaam);
    tk::DoEvents();

    tk::zetBreedte(Frame10, legendaBreedte);
    terug->setVisible(true);
    if (opslagfout) {
        tk::MsgBox(*opslagfout, tk::vbCritical, QStringLiteral("Fout"));
        return Uitkomst::NietOpgeslagen;
    }
    return Uitkomst::Gelukt;
}

} // namespace kz
