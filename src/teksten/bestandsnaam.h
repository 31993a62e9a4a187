// SPDX-License-Identifier: GPL-3.0-or-later
// A file name as the system's bytes, shown as text.
#pragma once

#include <QByteArray>
#include <QString>

namespace kz::bestandsnaam {

// The name (or path) as it reads. Bytes that are UTF-8 (what Qt takes a name to be) read
// as their characters; each byte that is not, such as the Latin-1 "\xe9" of
// "caf\xe9.gpx" from an old memory stick, reads as "\xE9": the name is still told
// apart from "caf\xe8.gpx", and the user sees which byte to rename, where a replacement
// character would hide both. The bytes themselves are kept apart for opening the file.
QString leesbaar(const QByteArray& naam);

} // namespace kz::bestandsnaam
