// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bediening/keuzelijst.h"

#include "bediening/volume.h"

namespace kz {

// The drive list of the input panel: a combo box of volumes.
class Stationlijst : public Keuzelijst {
    Q_OBJECT
public:
    using Keuzelijst::Keuzelijst;

    // Where the volumes come from (the system's when empty): lists them and selects the
    // current folder's.
    void zetVolumes(VolumeBron bron);

    QString wortel() const { return currentData().toString(); } // of the selected volume
    // Selects the volume that holds the path (the first when none does).
    void kiesVolumeVan(const QString& pad);
    // The process's current folder when it lies on the selected volume, else its root.
    QString huidigeMap() const;

protected:
    // Looks for newly mounted or removed volumes each time the list drops down.
    void showPopup() override;

private:
    void vul();

    VolumeBron bron_;
    QList<Volume> volumes_;
};

} // namespace kz
