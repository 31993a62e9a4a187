// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/volume.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace kz {

namespace {

bool bevat(const QString& wortel, const QString& pad) {
    if (wortel == QLatin1String("/")) return pad.startsWith(QLatin1Char('/'));
    return pad == wortel || pad.startsWith(wortel + QLatin1Char('/'));
}

// File systems on a block device or a network share count as volumes; everything the
// kernel mounts for itself (proc, sysfs, cgroups, tmpfs, ...) does not.
bool isEchtBestandssysteem(const QStorageInfo& v) {
    const QByteArray type = v.fileSystemType();
    if (type == "squashfs") return false; // read-only package images
    static const QSet<QByteArray> netwerk = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "virtiofs", "fuse.sshfs"};
    if (netwerk.contains(type)) return true;
    return v.device().startsWith("/dev/");
}

Volume maakVolume(const QStorageInfo& v) {
    const QString wortel = v.rootPath();
    const QFileInfo info(wortel);
    return Volume{wortel, v.name(), v.isValid() && v.isReady() && info.isReadable() && info.isExecutable()};
}

} // namespace

QString volledigPad(const QString& pad, const QString& basis) { return QDir::cleanPath(QDir(basis).absoluteFilePath(pad)); }
QString volledigPad(const QString& pad) { return volledigPad(pad, QDir::currentPath()); }

QList<Volume> systeemVolumes() {
    QList<Volume> lijst;
    const QStorageInfo wortel = QStorageInfo::root();
    lijst.append(wortel.isValid() ? maakVolume(wortel) : Volume{QStringLiteral("/"), {}, true});
    const QString huidige = QStorageInfo(QDir::currentPath()).rootPath();

    QList<Volume> overige;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString pad = v.rootPath();
        if (pad == QLatin1String("/")) continue;
        if (!isEchtBestandssysteem(v) && pad != huidige) continue;
        if (!QFileInfo(pad).isDir()) continue; // a single file mounted over another
        if (std::any_of(overige.begin(), overige.end(), [&](const Volume& o) { return o.wortel == pad; })) continue;
        overige.append(maakVolume(v));
    }
    std::sort(overige.begin(), overige.end(), [](const Volume& a, const Volume& b) { return a.wortel < b.wortel; });
    lijst.append(overige);
    return lijst;
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
