// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/volume.h"

#include <QDir>
#include <QFile>
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

QByteArray volledigPad(const QByteArray& pad) {
    // A name that reads as text goes the way of every other path.
    const QString tekst = QFile::decodeName(pad);
    if (QFile::encodeName(tekst) == pad) return QFile::encodeName(volledigPad(tekst));
    // Otherwise its last part keeps its bytes, and so does the folder above it unless it
    // is text.
    const qsizetype streep = pad.lastIndexOf('/');
    const QByteArray naam = pad.mid(streep + 1);
    const QByteArray map = streep < 0 ? QByteArray(".") : streep == 0 ? QByteArray("/") : pad.left(streep);
    const QString mapTekst = QFile::decodeName(map);
    QByteArray volledig = QFile::encodeName(mapTekst) == map ? QFile::encodeName(volledigPad(mapTekst))
                          : map.startsWith('/')            ? map
                                                           : QFile::encodeName(QDir::currentPath()) + '/' + map;
    if (!volledig.endsWith('/')) volledig += '/';
    return volledig + naam;
}

int volumeVan(const QList<Volume>& volumes, const QString& pad) {
    int beste = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        if (bevat(volumes[i].wortel, pad) && (beste < 0 || volumes[i].wortel.size() > volumes[beste].wortel.size()))
            beste = i;
    }
    return beste;
}

} // namespace kz
