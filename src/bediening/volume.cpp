// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/volume.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#if !defined(Q_OS_WIN)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace kz {

namespace {

#if defined(Q_OS_WIN)
// Windows' names are the same in any case: "c:/Users" lies on "C:/".
constexpr Qt::CaseSensitivity hoofdletters = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity hoofdletters = Qt::CaseSensitive;
#endif

bool bevat(const QString& wortel, const QString& pad) {
    // A root that ends in "/" ("/", a drive's "C:/") holds every path that begins with it.
    if (wortel.endsWith(QLatin1Char('/')))
        return pad.startsWith(wortel, hoofdletters) || (wortel.size() > 1 && pad.compare(wortel.chopped(1), hoofdletters) == 0);
    return pad.compare(wortel, hoofdletters) == 0 || pad.startsWith(wortel + QLatin1Char('/'), hoofdletters);
}

#if !defined(Q_OS_WIN)

// File systems on a block device or a network share count as volumes; everything the
// kernel mounts for itself (proc, sysfs, cgroups, tmpfs, ...) does not.
bool isEchtBestandssysteem(const QStorageInfo& v) {
    const QByteArray type = v.fileSystemType();
    if (type == "squashfs") return false; // read-only package images
    static const QSet<QByteArray> netwerk = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "virtiofs", "fuse.sshfs"};
    if (netwerk.contains(type)) return true;
    return v.device().startsWith("/dev/");
}

#endif

// A volume whose root is wortel: ready when it can be listed.
Volume maakVolume(const QString& wortel, const QStorageInfo& v) {
    const QFileInfo info(wortel);
    return Volume{wortel, v.isValid() ? v.name() : QString(), v.isValid() && v.isReady() && info.isReadable() && info.isExecutable()};
}
Volume maakVolume(const QStorageInfo& v) { return maakVolume(v.rootPath(), v); }

} // namespace

QString volledigPad(const QString& pad, const QString& basis) { return QDir::cleanPath(QDir(basis).absoluteFilePath(pad)); }
QString volledigPad(const QString& pad) { return volledigPad(pad, QDir::currentPath()); }

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

#if defined(Q_OS_WIN)

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
        if (huidige.isValid()) lijst.append(maakVolume(huidige));
    }
    return lijst;
}

#else

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

#endif

#if defined(Q_OS_WIN)

QList<QByteArray> bestandsnamen(const QString& map) {
    QList<QByteArray> namen;
    for (const QString& naam : QDir(map).entryList(QDir::Files)) namen.append(QFile::encodeName(naam));
    return namen;
}

#else

QList<QByteArray> bestandsnamen(const QString& map) {
    QList<QByteArray> namen;
    DIR* lijst = ::opendir(QFile::encodeName(map).constData());
    if (!lijst) return namen;
    const int fd = ::dirfd(lijst);
    while (const dirent* e = ::readdir(lijst)) {
        // Names that begin with a dot are hidden, "." and ".." among them.
        if (e->d_name[0] == '.') continue;
        struct stat info {};
        if (::fstatat(fd, e->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) namen.append(QByteArray(e->d_name));
    }
    ::closedir(lijst);
    return namen;
}

#endif

int volumeVan(const QList<Volume>& volumes, const QString& pad) {
    int beste = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        if (bevat(volumes[i].wortel, pad) && (beste < 0 || volumes[i].wortel.size() > volumes[beste].wortel.size()))
            beste = i;
    }
    return beste;
}

} // namespace kz
