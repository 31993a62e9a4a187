// SPDX-License-Identifier: GPL-3.0-or-later
// A file name or path as the user is shown it: on one line, whatever it holds.
#pragma once

#include <QByteArray>
#include <QString>

namespace kz {

// The path with the system's separators, and every control character and line or
// paragraph separator written visibly ("\n", "\x1B", "\u2028"), so that a name in a
// message or on a terminal can never start a line of its own or colour the terminal.
QString bestandsnaam(const QString& pad);
// The same for a name that is no path, such as a file inside an archive.
QString eenRegel(const QString& tekst);

// A name as the system's bytes, on one line: bytes that are UTF-8 read as their
// characters, each byte that is not as "\xE9", so that the user sees which byte to rename
// where a replacement character would hide it. The bytes themselves open the file.
QString leesbareNaam(const QByteArray& naam);

} // namespace kz
