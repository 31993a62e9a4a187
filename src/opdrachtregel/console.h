// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's texts go when it runs without its window: the batch mode, the help,
// the version and the message that there is no display.
#pragma once

#include <cstdio>
#include <functional>

#include <QByteArray>
#include <QString>

namespace kz::console {

// Before the first text of a run without the window. On Windows the program is a window
// program, which has no console of its own: its texts go where the standard handles
// lead (a file, a pipe), byte for byte, or else to the console of the program that
// started it, if there is one. Elsewhere nothing needs doing.
void verbind();

// Writes a text to standard output or error, as this system wants it.
void schrijf(std::FILE* naar, const QString& tekst);

// How the batch mode writes its UTF-8 to a console; empty where the bytes go as they are.
std::function<void(std::FILE*, const QByteArray&)> schrijver();

} // namespace kz::console
