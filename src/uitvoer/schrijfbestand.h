// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program writes a file: the picture and every export go through here.
#pragma once

#include <QByteArray>
#include <QString>

#include "teksten/schrijffout.h"

namespace kz {

// Writes `bytes` as the file at `pad` through QSaveFile, so that an existing file stays
// whole whenever writing fails. Only a regular file is written or replaced (where its
// links lead): renaming over a device, pipe or socket would put a file in its place.
Schrijffout schrijfBestand(const QString& pad, const QByteArray& bytes);
// What schrijfBestand refuses before it writes anything: a folder, what is no regular
// file, a folder that is not there; Schrijffout::geen for a name it would write.
Schrijffout weigertVooraf(const QString& pad);

} // namespace kz
