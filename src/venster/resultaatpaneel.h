// SPDX-License-Identifier: GPL-3.0-or-later
// The result panel Frame7 "Kavelzicht": the main map, the three year maps, the legends,
// the statistics and the button "&Terug". It shows an overview and saves its picture;
// the window and the batch mode both use it.
#pragma once

#include <array>

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QString>

#include "bediening/kaart.h"
#include "bediening/kader.h"
#include "bediening/kleurvak.h"
#include "bediening/knop.h"
#include "overview/overzicht.h"
#include "teksten/schrijffout.h"

namespace kz {

class Resultaatpaneel : public Kader {
    Q_OBJECT
public:
    // Builds the controls and lays the four maps out as grids. The panel stands in its
    // container as in the program's window; the picture is taken of that container.
    explicit Resultaatpaneel(QWidget* container);

    Knop* terug;
    // Below it: the progress per year in a dialog, and the export of the regions. Like
    // "&Terug", they are not in the picture.
    Knop* voortgang;
    Knop* exporteren;
    Kader* Frame10;
    std::array<QLabel*, 6> Label2;
    Kader* Frame1;
    Kaart* vak;
    Kader* Frame2;
    std::array<QLabel*, 2> perc;
    std::array<QLabel*, 2> aantal;
    std::array<QLabel*, 4> Label1;
    QLabel* Label6;
    QLabel* nlcache;
    QLabel* Label3;
    QLabel* totcache;
    Kader* Frame3;
    QLabel* nrjr1;
    Kaart* vak07;
    Kader* Frame4;
    QLabel* nrjr2;
    Kaart* vak08;
    Kader* Frame5;
    QLabel* nrjr3;
    Kaart* vak09;
    std::array<Kleurvak*, 13> vakje;

    // Shows or hides the legend of the count classes, which only shading uses. The pass
    // sets it at its start, before anything is read.
    void toonKlassen(bool kleurschakering);
    // Shows an overview: the year captions, the maps and their tooltips, and the
    // statistics.
    void toon(const Overzicht& overzicht);

    // Lays the panel out as the picture has it (no "&Terug", the class legend as wide as
    // the statistics frame), copies the container's client area into `beeld` and saves
    // it as `naam` in the given format, then gives the panel its normal look back.
    // Returns why the file was not written, or Schrijffout::geen.
    Schrijffout bewaarBeeld(QImage& beeld, const QString& naam, const QByteArray& formaat = "BMP");

private:
    // Places the cells of the four maps in their grids.
    void legKaartenUit();
};

} // namespace kz
