// SPDX-License-Identifier: GPL-3.0-or-later
// The volumes of Windows, its drive letters; CMake builds this file there only.
#include "bediening/volume.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kz {

// Windows' names are the same in any case: "c:/Users" lies on "C:/".
Qt::CaseSensitivity padHoofdletters() { return Qt::CaseInsensitive; }

QList<Volume> systeemVolumes() {
    // The drive letters, A: to Z:, a drive without a medium too (not ready); then the
    // share that the current folder lies on when that has no letter (\\server\share).
    QList<Volume> lijst;
    for (const QFileInfo& station : QDir::drives()) {
        const QString wortel = station.absoluteFilePath();
        lijst.append(maakVolume(wortel, QStorageInfo(wortel)));
    }
    if (volumeVan(lijst, QDir::currentPath()) < 0) {
        const QStorageInfo huidige(QDir::currentPath());
        if (huidige.isValid()) lijst.append(maakVolume(huidige.rootPath(), huidige));
    }
    return lijst;
}

// Windows' names are text anyway.
QList<QByteArray> bestandsnamen(const QString& map) {
    QList<QByteArray> namen;
    for (const QString& naam : QDir(map).entryList(QDir::Files)) namen.append(QFile::encodeName(naam));
    return namen;
}

} // namespace kz
