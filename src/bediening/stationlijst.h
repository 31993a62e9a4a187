// SPDX-License-Identifier: GPL-3.0-or-later
// Drive1: the drive list of the input panel.
#pragma once

#include "bediening/keuzelijst.h"

#include "bediening/volume.h"

namespace kz {

// Drive1: a combo box of volumes. Change fires whenever the selected volume changes,
// by the user or by code.
class Stationlijst : public Keuzelijst {
    Q_OBJECT
public:
    explicit Stationlijst(VolumeBron bron, QWidget* container);

    // The root of the selected volume.
    QString drive() const;
    // Selects the volume that holds the path (the root volume when none does).
    void setDrive(const QString& pad);
    // The folder that the selected volume opens on: the process's current folder when
    // it lies on that volume, otherwise the volume's root.
    QString huidigeMap() const;

signals:
    void Change();

protected:
    // Looks for newly mounted or removed volumes each time the list drops down.
    void showPopup() override;

private:
    void vul();

    VolumeBron bron_;
    QList<Volume> volumes_;
};

} // namespace kz
