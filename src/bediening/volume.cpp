// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/volume.h"

#include <QDir>
#include <QFileInfo>

namespace kz {

namespace {

bool bevat(const QString& wortel, const QString& pad) {
    const Qt::CaseSensitivity hoofdletters = padHoofdletters();
    // A root that ends in "/" ("/", a drive's "C:/") holds every path that begins with it.
    if (wortel.endsWith(QLatin1Char('/')))
        return pad.startsWith(wortel, hoofdletters) || (wortel.size() > 1 && pad.compare(wortel.chopped(1), hoofdletters) == 0);
    return pad.compare(wortel, hoofdletters) == 0 || pad.startsWith(wortel + QLatin1Char('/'), hoofdletters);
}

} // namespace

Volume maakVolume(const QString& wortel, const QStorageInfo& v) {
    // Ready when it can be listed.
    const QFileInfo info(wortel);
    return Volume{wortel, v.isValid() ? v.name() : QString(), v.isValid() && v.isReady() && info.isReadable() && info.isExecutable()};
}

QString volledigPad(const QString& pad, const QString& basis) { return QDir::cleanPath(QDir(basis).absoluteFilePath(pad)); }
QString volledigPad(const QString& pad) { return volledigPad(pad, QDir::currentPath()); }

int volumeVan(const QList<Volume>& volumes, const QString& pad) {
    int beste = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        if (bevat(volumes[i].wortel, pad) && (beste < 0 || volumes[i].wortel.size() > volumes[beste].wortel.size()))
            beste = i;
    }
    return beste;
}

} // namespace kz
