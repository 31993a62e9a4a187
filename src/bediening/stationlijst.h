// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bediening/keuzelijst.h"

#include "bediening/volume.h"

namespace kz {

// The drive list of the input panel: a combo box of volumes. stationGewijzigd fires
// whenever the selected volume changes, by the user or by code.
class Stationlijst : public Keuzelijst {
    Q_OBJECT
public:
    explicit Stationlijst(QWidget* container = nullptr);
    // Where the volumes come from (the system's when empty): lists them and selects the
    // current folder's.
    void zetVolumes(VolumeBron bron);

    // The root of the selected volume.
    QString wortel() const;
    // Selects the volume that holds the path (the root volume when none does).
    void kiesVolumeVan(const QString& pad);
    // The folder that the selected volume opens on: the process's current folder when
    // it lies on that volume, otherwise the volume's root.
    QString huidigeMap() const;

signals:
    void stationGewijzigd();

protected:
    // Looks for newly mounted or removed volumes each time the list drops down.
    void showPopup() override;

private:
    void vul();

    VolumeBron bron_;
    QList<Volume> volumes_;
};

} // namespace kz
