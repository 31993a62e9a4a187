// SPDX-License-Identifier: GPL-3.0-or-later
// A file name or path as the user is shown it: on one line, whatever it holds.
#pragma once

#include <QByteArray>
#include <QString>

namespace kz {

// The path with the system's separators and every control character written visibly
// ("\n", "\x1B", "\u2028"): a name can never start a line or colour the terminal.
QString bestandsnaam(const QString& pad);
// The same for a name that is no path, such as a file inside an archive.
QString eenRegel(const QString& tekst);

// A name as the system's bytes, on one line, each byte that is not UTF-8 as "\xE9": the
// user sees which byte to rename, where a replacement character would hide it.
QString leesbareNaam(const QByteArray& naam);

} // namespace kz
