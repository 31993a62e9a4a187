// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/stationlijst.h"

#include <QDir>
#include <QSignalBlocker>

namespace kz {

namespace {

// The root as the system writes it (a drive's root "C:/" as "C:"), and the label.
QString toonNaam(const Volume& v) {
    const bool station = v.wortel.size() == 3 && v.wortel[0].isLetter() && v.wortel.endsWith(QLatin1String(":/"));
    const QString wortel = station ? v.wortel.left(2) : QDir::toNativeSeparators(v.wortel);
    return v.naam.isEmpty() ? wortel : wortel + QStringLiteral("  [") + v.naam + QLatin1Char(']');
}

} // namespace

void Stationlijst::zetVolumes(VolumeBron bron) {
    bron_ = bron ? std::move(bron) : VolumeBron(systeemVolumes);
    const QSignalBlocker stil(this);
    vul();
    kiesVolumeVan(QDir::currentPath());
}

void Stationlijst::vul() {
    volumes_ = bron_();
    if (volumes_.isEmpty()) volumes_.append(Volume{QDir::rootPath(), {}, true});
    clear();
    for (const Volume& v : volumes_) addItem(toonNaam(v), v.wortel);
}

void Stationlijst::kiesVolumeVan(const QString& pad) {
    const int i = volumeVan(volumes_, volledigPad(pad));
    setCurrentIndex(std::max(i, 0));
}

QString Stationlijst::huidigeMap() const {
    const QString huidige = QDir::currentPath();
    const int i = currentIndex();
    if (i >= 0 && volumeVan(volumes_, huidige) == i) return huidige;
    return wortel();
}

void Stationlijst::showPopup() {
    const QString was = wortel();
    {
        const QSignalBlocker stil(this);
        vul();
        setCurrentIndex(findData(was));
    }
    // The volume that was chosen has gone: fall back on the current folder's.
    if (currentIndex() < 0) kiesVolumeVan(QDir::currentPath());
    QComboBox::showPopup();
}

} // namespace kz
