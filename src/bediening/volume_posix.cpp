// SPDX-License-Identifier: GPL-3.0-or-later
// The volumes of a POSIX system, its mounted file systems; CMake builds this file there only.
#include "bediening/volume.h"

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace kz {

namespace {

// File systems on a block device or a network share count as volumes; everything the
// kernel mounts for itself (proc, sysfs, cgroups, tmpfs, ...) does not.
bool isEchtBestandssysteem(const QStorageInfo& v) {
    const QByteArray type = v.fileSystemType();
    if (type == "squashfs") return false; // read-only package images
    static const QSet<QByteArray> netwerk = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "virtiofs", "fuse.sshfs"};
    if (netwerk.contains(type)) return true;
    return v.device().startsWith("/dev/");
}

} // namespace

Qt::CaseSensitivity padHoofdletters() { return Qt::CaseSensitive; }

QList<Volume> systeemVolumes() {
    QList<Volume> lijst;
    const QStorageInfo wortel = QStorageInfo::root();
    lijst.append(wortel.isValid() ? maakVolume(wortel.rootPath(), wortel) : Volume{QStringLiteral("/"), {}, true});
    const QString huidige = QStorageInfo(QDir::currentPath()).rootPath();

    QList<Volume> overige;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString pad = v.rootPath();
        if (pad == QLatin1String("/")) continue;
        if (!isEchtBestandssysteem(v) && pad != huidige) continue;
        if (!QFileInfo(pad).isDir()) continue; // a single file mounted over another
        if (std::any_of(overige.begin(), overige.end(), [&](const Volume& o) { return o.wortel == pad; })) continue;
        overige.append(maakVolume(pad, v));
    }
    std::sort(overige.begin(), overige.end(), [](const Volume& a, const Volume& b) { return a.wortel < b.wortel; });
    lijst.append(overige);
    return lijst;
}

// Listed with the POSIX calls, as Qt's own listing leaves out a name that is no valid UTF-8.
QList<QByteArray> bestandsnamen(const QString& map) {
    QList<QByteArray> namen;
    DIR* lijst = ::opendir(QFile::encodeName(map).constData());
    if (!lijst) return namen;
    const int fd = ::dirfd(lijst);
    while (const dirent* e = ::readdir(lijst)) {
        // Names that begin with a dot are hidden, "." and ".." among them.
        if (e->d_name[0] == '.') continue;
        // The folder tells most entries' kind itself; only a link or an unknown kind is looked up.
        struct stat info {};
        const bool gewoon = e->d_type == DT_REG || ((e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) &&
                                                   ::fstatat(fd, e->d_name, &info, 0) == 0 && S_ISREG(info.st_mode));
        if (gewoon) namen.append(QByteArray(e->d_name));
    }
    ::closedir(lijst);
    return namen;
}

} // namespace kz
