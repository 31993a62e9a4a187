// The overview pass behind "&Maak overzicht": read the chosen GPX file, show the
// overview on the result panel and save its picture.
#include <QFileInfo>
#include <QLocale>

#include "overview/overzicht.h"
#include "window/export.h"
#include "window/form1.h"
#include "window/meldingen.h"
#include "window/overzichtteksten.h"
#include "window/toolkit.h"

namespace kz {

namespace {

// Folder and file name joined with "/" (none added when the folder already ends in one).
QString bouwPad(const QString& map, const QString& bestand) {
    return map.endsWith(QLatin1Char('/')) ? map + bestand : map + QLatin1Char('/') + bestand;
}

} // namespace

void Form1::Maakoverzicht_Click() { maakOverzicht(); }

Form1::Uitkomst Form1::maakOverzicht() {
    // Start of the pass: the class legend follows the shading choice, then the hourglass.
    const bool kleurschakering = kleurvariant->checkState() != Qt::Unchecked;
    Frame10->setVisible(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);

    if (File1->listIndex() < 0) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::geenBestand(), tk::vbCritical, meldingen::fout());
        return Uitkomst::GeenBestand;
    }

    // The folder highlighted in the folder list (normally the open one) and the file.
    const QString pad = bouwPad(Dir1->entry(Dir1->listIndex()), File1->fileName());
    GpxBestand bestand(pad.toStdString());
    auto meldLeesfout = [this, &pad] {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::samen(meldingen::nietGeopend(pad), u'\n'), tk::vbCritical, meldingen::fout());
        return Uitkomst::NietGelezen;
    };
    if (!bestand.open()) return meldLeesfout();

    // The three years in ascending order, in the boxes and on the year maps.
    std::array<int, 3> posities{jaar[0]->currentIndex(), jaar[1]->currentIndex(), jaar[2]->currentIndex()};
    sorteerJaren(posities);
    std::array<int, 3> jaren{};
    const std::array<Kader*, 3> jaarkaders{Frame3, Frame4, Frame5};
    for (std::size_t k = 0; k < 3; ++k) {
        jaar[k]->setCurrentIndex(posities[k]);
        jaren[k] = posities[k] + eersteJaar;
        jaarkaders[k]->setTitle(QString::number(jaren[k]));
    }

    // Read and tally; every warning waits for the user.
    const QLocale locale;
    const std::optional<Overzicht> overzicht =
        kz::maakOverzicht(bestand, jaren, kleurschakering, nl, [this, &locale](const Waarschuwing& w) {
            tk::MsgBox(*this, meldingen::samen(meldingen::regels(w, locale), u'\n'), tk::vbCritical, meldingen::titel(w));
        });
    if (!overzicht) return meldLeesfout();

    toon(*overzicht);
    tk::MousePointer(*this, tk::vbDefault);
    const bool bewaard = bewaarBeeld(afbeeldingsnaam);
    terug->setFocus();
    if (!bewaard) {
        tk::MsgBox(*this, meldingen::nietOpgeslagen(QFileInfo(afbeeldingsnaam).absoluteFilePath()), tk::vbCritical,
                   meldingen::fout());
        return Uitkomst::NietOpgeslagen;
    }
    return Uitkomst::Gelukt;
}

void Form1::toon(const Overzicht& o) {
    Frame10->setVisible(o.kleurschakering);
    const Overzichtteksten t = Overzichtteksten::van(o, QLocale());
    const std::array<Kader*, 3> jaarkaders{Frame3, Frame4, Frame5};
    for (std::size_t k = 0; k < 3; ++k) jaarkaders[k]->setTitle(t.jaar[k]);

    const std::array<Kaart*, 4> kaarten{vak, vak07, vak08, vak09};
    for (std::size_t m = 0; m < 4; ++m) {
        kaarten[m]->zetKleuren(o.kaarten.kleur[m]);
        // The counts behind the tooltips: all years on the main map, one year on the others.
        kaarten[m]->zetAantallen(o.aantallen[m], m == 0 ? 0 : o.jaren[m - 1]);
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
}

bool Form1::bewaarBeeld(const QString& naam, const QByteArray& formaat) {
    Frame6->setVisible(false);
    Frame7->setVisible(true);
    terug->setVisible(false);
    const int legendaBreedte = tk::breedte(Frame10);
    tk::zetBreedte(Frame10, tk::breedte(Frame2));
    tk::DoEvents();

    const bool gelukt = SaveFormImageToFile(*this, Picture1->beeld, naam, formaat);
    tk::DoEvents();

    tk::zetBreedte(Frame10, legendaBreedte);
    terug->setVisible(true);
    return gelukt;
}

} // namespace kz
