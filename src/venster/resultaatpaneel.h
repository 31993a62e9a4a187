// SPDX-License-Identifier: GPL-3.0-or-later
// The result panel "Kavelzicht": the main map, the three year maps, the legends, the
// statistics and the button "&Terug". It shows an overview and saves its picture; the
// window and the batch mode both use it.
#pragma once

#include <array>

#include <QByteArray>
#include <QString>

#include "bediening/kader.h"
#include "overview/overzicht.h"
#include "teksten/schrijffout.h"
#include "ui_resultaatpaneel.h"

namespace kz {

// Its form lists the controls of each frame from back to front: where two overlap by a
// pixel, the later one is drawn over the earlier, as in the saved picture.
class Resultaatpaneel : public Kader, public Ui::Resultaatpaneel {
    Q_OBJECT
public:
    // The panel stands in its container as in the program's window; the picture is taken
    // of that container.
    explicit Resultaatpaneel(QWidget* container);

    std::array<Kaart*, 3> jaarkaarten;
    // The main map and the three year maps.
    std::array<Kaart*, 4> kaarten() const { return {hoofdkaart, jaarkaarten[0], jaarkaarten[1], jaarkaarten[2]}; }

    // Shows or hides the legend of the count classes, which only shading uses. The pass
    // sets it at its start, before anything is read.
    void toonKlassen(bool kleurschakering);
    // Shows an overview: the year captions, the maps and their tooltips, and the
    // statistics.
    void toon(const Overzicht& overzicht);

    // Lays the panel out as the picture has it (no buttons, the class legend as wide as
    // the statistics frame, no mark of the home), draws the container's client area and
    // saves it as `naam` in the given format, then gives the panel its normal look back.
    // Returns why the file was not written, or Schrijffout::geen.
    Schrijffout bewaarBeeld(const QString& naam, const QByteArray& formaat = "BMP");
};

} // namespace kz
