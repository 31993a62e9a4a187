// SPDX-License-Identifier: GPL-3.0-or-later
// The input panel "Invulformulier": the three years and the shading choice, the drive,
// folder and file lists, and the button that starts a pass.
#pragma once

#include <array>

#include <QString>

#include "bediening/kader.h"
#include "bediening/volume.h"
#include "ui_invulpaneel.h"

namespace kz {

class Invulpaneel : public Kader, public Ui::Invulpaneel {
    Q_OBJECT
public:
    // Opens the lists on the folder `map` (the current folder when empty) and fills the
    // version and the year lists, which select the years that the date text gives.
    Invulpaneel(const VolumeBron& volumes, const QString& map, const QString& datumtekst, QWidget* container);

    std::array<QComboBox*, 3> jaar;

    // Opens the folder of a GPX file in the lists and selects the file, as a user would;
    // false when the file is not listed. The path as the system's bytes.
    bool kiesGpxBestand(const QByteArray& pad);

private:
    // Opens the folder in the folder list or, when it cannot be listed, the nearest
    // folder above it that can; on a volume that is not ready, none.
    void openMapOfHoger(const QString& map);
};

} // namespace kz
