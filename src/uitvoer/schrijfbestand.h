// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program writes a file: the picture and every export go through here.
#pragma once

#include <QByteArray>
#include <QString>

#include "teksten/schrijffout.h"

namespace kz {

// Writes `bytes` as the file at `pad`, in one step: into a temporary file beside it that
// replaces the old file only once everything is written (QSaveFile), so an existing file
// stays whole whenever writing fails. Only a regular file is written or replaced, found
// where its links lead; a device, pipe or socket, or a link to one, is refused before
// anything is written, as renaming over it would put a file in its place.
Schrijffout schrijfBestand(const QString& pad, const QByteArray& bytes);
// What schrijfBestand refuses before it writes anything: a folder, what is no regular
// file, a folder that is not there; Schrijffout::geen for a name it would write.
Schrijffout weigertVooraf(const QString& pad);

} // namespace kz
