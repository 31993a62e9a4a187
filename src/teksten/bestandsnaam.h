// SPDX-License-Identifier: GPL-3.0-or-later
// A file name or path as the user is shown it: on one line, whatever it holds.
#pragma once

#include <QByteArray>
#include <QString>

namespace kz {

// The path with the system's separators, and every control character (C0, DEL, C1, the
// escape character among them) and line or paragraph separator written visibly: "\n",
// "\r", "\t", or "\x1B" and "\u2028" style. A name in a message or on a terminal can then
// never start a line of its own or colour the terminal, as one in an archive or given on
// the command line might try.
QString bestandsnaam(const QString& pad);

// The same for a name that is no path, such as a file inside an archive: its separators stay as they are.
QString eenRegel(const QString& tekst);

// A name (or path) as the system's bytes, as it reads: bytes that are UTF-8 (what Qt
// takes a name to be) read as their characters; each byte that is not, such as the
// Latin-1 "\xe9" of "caf\xe9.gpx" from an old memory stick, reads as "\xE9": the name is
// still told apart from "caf\xe8.gpx", and the user sees which byte to rename, where a
// replacement character would hide both. On one line, as eenRegel. The bytes themselves
// are kept apart for opening the file.
QString leesbareNaam(const QByteArray& naam);

} // namespace kz
