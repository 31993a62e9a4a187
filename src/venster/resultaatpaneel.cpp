// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/resultaatpaneel.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QLocale>

#include "teksten/overzichtteksten.h"
#include "uitvoer/schrijfbestand.h"

namespace kz {

namespace {

// Sets a label's caption; a text wider than its box (such as "100,0%") is drawn in the
// narrow face of the label's own font, so that it is not cut off.
void zetTekstPassend(QLabel* label, const QString& tekst) {
    // The label's own font is kept aside the first time, so every later text starts from it.
    static const char* const eigen = "kzEigenLettertype";
    if (!label->property(eigen).isValid()) label->setProperty(eigen, label->font());
    QFont lettertype = label->property(eigen).value<QFont>();
    if (QFontMetrics(lettertype).horizontalAdvance(tekst) > label->width())
        lettertype.setFamily(QStringLiteral("Liberation Sans Narrow"));
    label->setText(tekst);
    label->setFont(lettertype);
}

// Draws the client area with its visible children at one image pixel per window pixel,
// also on a scaled screen, and saves it in the given format (BMP: 24 bits).
Schrijffout bewaarVensterbeeld(QWidget& vlak, const QString& pad, const QByteArray& formaat) {
    // RGB32 is also what the bitmap writer works from.
    QImage beeld(vlak.size(), QImage::Format_RGB32);
    beeld.setDevicePixelRatio(1.0);
    vlak.render(&beeld);
    // Encoded in memory (about 1.3 MB as BMP), then written as every file of the program is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (beeld.isNull() || !QImageWriter(&buffer, formaat).write(beeld)) return Schrijffout::schrijfMislukt;
    return schrijfBestand(QFileInfo(pad).absoluteFilePath(), bytes);
}

} // namespace

Resultaatpaneel::Resultaatpaneel(QWidget* container) : Kader(container) {
    setupUi(this);
    // The legend of the kinds of cell in Arial of 8.25 points, a size that a form can
    // only give in whole points.
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    for (QLabel* label : {nietBezochtLabel, bezochtLabel, zonderNlLabel, fakeLabel}) label->setFont(arial);
}

void Resultaatpaneel::toonKlassen(bool kleurschakering) { klassenKader->setVisible(kleurschakering); }

void Resultaatpaneel::toon(const Overzicht& o) {
    const Overzichtteksten t = Overzichtteksten::van(o, QLocale());
    const std::array<Kader*, 3> jaarkaders{jaarkader1, jaarkader2, jaarkader3};
    for (std::size_t k = 0; k < 3; ++k) {
        jaarkaders[k]->setTitle(t.jaar[k]);
        jaarkaders[k]->setAccessibleName(t.jaar[k]);
        kaarten()[k + 1]->setAccessibleName(QStringLiteral("Jaarkaart ") + t.jaar[k]);
    }
    for (std::size_t m = 0; m < 4; ++m) {
        Kaart* kaart = kaarten()[m];
        kaart->zetKleuren(o.kaarten.kleur[m]);
        // The counts behind the tooltips: all years on the main map, one year on the others.
        kaart->zetAantallen(o.aantallen[m], m == 0 ? 0 : o.jaren[m - 1]);
        kaart->setAccessibleDescription(t.kaarten[m]);
    }

    const std::pair<QLabel*, const QString&> waarden[] = {
        {aantal1, t.aantal[0]}, {aantal2, t.aantal[1]}, {perc1, t.perc[0]},   {perc2, t.perc[1]},
        {zonderNlLabel, t.zonderNl}, {fakeLabel, t.fake}, {nlcache, t.nlcache}, {totcache, t.totcache},
        {nrjr1, t.nrjr[0]},     {nrjr2, t.nrjr[1]},     {nrjr3, t.nrjr[2]}};
    for (const auto& [label, tekst] : waarden) zetTekstPassend(label, tekst);

    // A screen reader reads each statistic once, as its caption with its value; the
    // labels that show only the value are passed over.
    const std::array<QWidget*, 9> gelezen{nietBezochtLabel, bezochtLabel, zonderNlLabel, fakeLabel, nlcacheLabel,
                                          totcacheLabel, nrjr1, nrjr2, nrjr3};
    for (std::size_t i = 0; i < gelezen.size(); ++i) gelezen[i]->setAccessibleName(t.regels[qsizetype(i)]);
}

Schrijffout Resultaatpaneel::bewaarBeeld(const QString& naam, const QByteArray& formaat) {
    setVisible(true);
    for (Knop* knop : {terugKnop, voortgangKnop, exporteerKnop}) knop->setVisible(false);
    const int legendaBreedte = klassenKader->width();
    klassenKader->resize(statistiekKader->width(), klassenKader->height());
    // The home is the user's, marked on screen only: the picture is the overview alone.
    hoofdkaart->toonThuis(false);

    const Schrijffout gelukt = bewaarVensterbeeld(*parentWidget(), naam, formaat);

    hoofdkaart->toonThuis(true);
    klassenKader->resize(legendaBreedte, klassenKader->height());
    for (Knop* knop : {terugKnop, voortgangKnop, exporteerKnop}) knop->setVisible(true);
    return gelukt;
}

} // namespace kz
