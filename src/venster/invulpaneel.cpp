// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/invulpaneel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "grid/grid.h"
#include "overview/startjaren.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"

namespace kz {

Invulpaneel::Invulpaneel(const VolumeBron& volumes, const QString& map, const QString& datumtekst, QWidget* container)
    : Kader(container) {
    setupUi(this);
    jaar = {jaarlijst1, jaarlijst2, jaarlijst3};
    versieLabel->setText(QStringLiteral("Versie: ") + QString::fromLatin1(versie));
    opmerkingenLabel->setText(QStringLiteral("Opmerkingen? Mail naar ") + QString::fromUtf8(contactadres));

    // The lists open on the process's current folder (or the folder asked for) and its
    // volume.
    stationlijst->zetVolumes(volumes);
    maplijst->zetVolumes(volumes);
    if (!map.isEmpty()) stationlijst->kiesVolumeVan(map);
    openMapOfHoger(map.isEmpty() ? stationlijst->huidigeMap() : map);
    bestandlijst->toonMap(maplijst->map().isEmpty() ? QDir::currentPath() : maplijst->map());
    connect(stationlijst, &QComboBox::currentIndexChanged, this, [this] {
        // A volume that is not ready: back to the current folder's, whose own change moves the
        // folder list. A folder that cannot be listed gives the nearest above it that can.
        if (const auto fout = maplijst->openMap(stationlijst->huidigeMap())) {
            if (*fout == meldingen::Mapfout::NietGereed) stationlijst->kiesVolumeVan(QDir::currentPath());
            else openMapOfHoger(stationlijst->huidigeMap());
        }
    });
    connect(maplijst, &Maplijst::mapGewijzigd, this, [this] { bestandlijst->toonMap(maplijst->map()); });

    for (int j = eersteJaar; j <= laatsteJaar; ++j) {
        for (QComboBox* lijst : jaar) lijst->addItem(QString::number(j));
    }
    const std::array<int, 3> jaren = startJaren(datumtekst.right(4).toStdString());
    for (std::size_t k = 0; k < 3; ++k) jaar[k]->setCurrentIndex(jaren[k] - eersteJaar);
}

void Invulpaneel::openMapOfHoger(const QString& map) {
    for (QString pad = QDir::cleanPath(QDir(map).absolutePath());;) {
        const auto fout = maplijst->openMap(pad);
        const QString hoger = QFileInfo(pad).absolutePath();
        if (!fout || *fout == meldingen::Mapfout::NietGereed || hoger == pad) return;
        pad = hoger;
    }
}

bool Invulpaneel::kiesGpxBestand(const QByteArray& pad) {
    // The folder as text, the name as the bytes that the file list keeps.
    const QByteArray volledig = volledigPad(pad);
    const QString map = QFileInfo(QFile::decodeName(volledig)).absolutePath();
    const QByteArray naam = volledig.mid(volledig.lastIndexOf('/') + 1);
    // The drive list follows first; its change takes the folder and file lists along.
    stationlijst->kiesVolumeVan(map);
    if (maplijst->openMap(map)) return false;
    if (bestandlijst->kies(naam)) return true;
    // The folder was open already and the file came later: list the folder anew.
    bestandlijst->toonMap(maplijst->map());
    return bestandlijst->kies(naam);
}

} // namespace kz
