// SPDX-License-Identifier: GPL-3.0-or-later
// The result panel "Kavelzicht": the maps, the legends, the statistics and the buttons. It
// shows an overview and saves its picture, for the window and the batch mode.
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
    // The picture is taken of the container, in which the panel stands as in the window.
    explicit Resultaatpaneel(QWidget* container);

    std::array<Kaart*, 4> kaarten() const { return {hoofdkaart, jaarkaart1, jaarkaart2, jaarkaart3}; }

    // Shows the legend of the count classes, which only shading uses, or hides it.
    void toonKlassen(bool kleurschakering);
    void toon(const Overzicht& overzicht);

    // Saves the container's picture as `naam`, the panel laid out as the picture has it (no
    // buttons, the class legend as wide as the statistics, no mark of the home).
    Schrijffout bewaarBeeld(const QString& naam, const QByteArray& formaat = "BMP");
};

} // namespace kz
