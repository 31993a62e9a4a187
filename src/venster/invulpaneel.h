// SPDX-License-Identifier: GPL-3.0-or-later
// The input panel Frame6 "Invulformulier": the three years and the shading choice, the
// drive, folder and file lists, and the button that starts a pass.
#pragma once

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QString>

#include "bediening/bestandlijst.h"
#include "bediening/keuzelijst.h"
#include "bediening/kader.h"
#include "bediening/knop.h"
#include "bediening/maplijst.h"
#include "bediening/stationlijst.h"

namespace kz {

class Invulpaneel : public Kader {
    Q_OBJECT
public:
    // Builds the controls, opens the lists on the folder `map` (the current folder when
    // empty) and runs start-up: the version and the year lists, which select the years
    // that the date text gives.
    Invulpaneel(const VolumeBron& volumes, const QString& map, const QString& datumtekst, QWidget* container);

    Knop* Maakoverzicht;
    Kader* Frame9;
    Bestandlijst* File1;
    Maplijst* Dir1;
    Stationlijst* Drive1;
    Kader* Frame8;
    QCheckBox* kleurvariant;
    std::array<QComboBox*, 3> jaar;
    std::array<QLabel*, 3> Label5;
    QLabel* Label4;
    QLabel* Opmerkingen;
    QLabel* versie;

    // Opens the folder of a GPX file in the drive, folder and file lists and selects the
    // file, as a user would. False when the folder cannot be opened or the file is not
    // listed. The path as the system's bytes (its name need not be valid text), or as text.
    bool kiesGpxBestand(const QByteArray& pad);
    bool kiesGpxBestand(const QString& pad);

public slots:
    void Drive1_Change();
    void dir1_Change();

private:
    // Opens the folder in the folder list or, when it cannot be listed, the nearest
    // folder above it that can; on a volume that is not ready, none.
    void openMapOfHoger(const QString& map);
    // Start-up of the panel: the version and the year lists.
    void Form_Load(const QString& datumtekst);
};

} // namespace kz
