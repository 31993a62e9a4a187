// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/schrijfbestand.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace kz {

namespace {

// Why writing failed, as far as the file system tells: the folder, the name, the room.
Schrijffout waarom(const QFileInfo& doel, QFileDevice::FileError fout, qint64 nodig) {
    const QFileInfo map(doel.absolutePath());
    // A name longer than the 255 bytes that file systems hold, or a path beyond what
    // the system takes, fails before anything else is asked of it.
    if (QFile::encodeName(doel.fileName()).size() > 255 || QFile::encodeName(doel.absoluteFilePath()).size() >= 4096)
        return Schrijffout::naamTeLang;
    if (!map.isDir()) return Schrijffout::mapBestaatNiet;
    if (!map.isWritable() || (doel.exists() && !doel.isWritable()) || fout == QFileDevice::PermissionsError)
        return Schrijffout::geenToegang;
    if (fout == QFileDevice::WriteError || fout == QFileDevice::ResourceError) {
        const QStorageInfo schijf(map.absoluteFilePath());
        return schijf.isValid() && schijf.bytesAvailable() < nodig ? Schrijffout::schijfVol : Schrijffout::schrijfMislukt;
    }
    return Schrijffout::nietAangemaakt;
}

} // namespace

Schrijffout weigertVooraf(const QString& pad) {
    const QFileInfo doel(pad);
    if (doel.isDir()) return Schrijffout::isMap;
    // What a link such as /dev/stdout leads to may be a file that has no name any more.
    if (doel.exists() && (!doel.isFile() || doel.canonicalFilePath().isEmpty())) return Schrijffout::geenGewoonBestand;
    if (!QFileInfo(doel.absolutePath()).isDir()) return Schrijffout::mapBestaatNiet;
    return Schrijffout::geen;
}

Schrijffout schrijfBestand(const QString& pad, const QByteArray& bytes) {
    if (const Schrijffout fout = weigertVooraf(pad); fout != Schrijffout::geen) return fout;
    const QFileInfo doel(pad);
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return waarom(doel, bestand.error(), bytes.size());
    if (bestand.write(bytes) != bytes.size()) {
        const QFileDevice::FileError fout = bestand.error();
        bestand.cancelWriting();
        return waarom(doel, fout == QFileDevice::NoError ? QFileDevice::WriteError : fout, bytes.size());
    }
    if (!bestand.commit())
        return waarom(doel, bestand.error() == QFileDevice::NoError ? QFileDevice::WriteError : bestand.error(),
                      bytes.size());
    return Schrijffout::geen;
}

} // namespace kz
