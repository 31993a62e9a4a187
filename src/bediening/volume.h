// SPDX-License-Identifier: GPL-3.0-or-later
// The mounted volumes that the drive list offers. A "drive" is a mounted volume, on
// Windows a drive letter; paths use "/" as separator, as Qt writes them ("C:/Users").
#pragma once

#include <functional>

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QStorageInfo>
#include <QString>

namespace kz {

struct Volume {
    QString wortel;      // the folder where the volume is mounted
    QString naam;        // its label, may be empty
    bool gereed = true;  // false when it cannot be read (no medium, no access)
};

// Where the volumes come from; the system's mounted volumes unless a test offers others.
using VolumeBron = std::function<QList<Volume>()>;

// The mounted volumes with a real file system, the root first, and always the current
// folder's; on Windows the drive letters, then the current folder's share if it has none.
QList<Volume> systeemVolumes();
// Whether paths differ by case: on Windows "c:/Users" lies on "C:/".
Qt::CaseSensitivity padHoofdletters();
Volume maakVolume(const QString& wortel, const QStorageInfo& v);

// The volume that holds a path (the one with the longest root containing it), or -1.
int volumeVan(const QList<Volume>& volumes, const QString& pad);

// The absolute, cleaned form of a path, relative paths taken from basis.
QString volledigPad(const QString& pad, const QString& basis = QDir::currentPath());
// The same for a path as the system's bytes: only a folder part that is text is cleaned.
QByteArray volledigPad(const QByteArray& pad);

// The names of the visible regular files in a folder as the system's bytes, also those
// that are no valid UTF-8, which Qt's own listing leaves out.
QList<QByteArray> bestandsnamen(const QString& map);

} // namespace kz
