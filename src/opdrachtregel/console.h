// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's texts go when it runs without its window: the batch mode, the help,
// the version and the message that there is no display.
#pragma once

#include <cstdio>

#include <QString>

namespace kz::console {

// Before the first text of a run without the window. On Windows, where a window program
// has no console, the texts go where the standard handles lead (a file, a pipe) or else
// to the console of the program that started it; elsewhere nothing needs doing.
void verbind();

// Writes a text to standard output or error, as this system wants it.
void schrijf(std::FILE* naar, const QString& tekst);

// The name by which standard output or error is opened as a file ("/dev/stdout"), to
// compare it with the files a run writes; empty where the system gives none.
QString naamVan(std::FILE* stroom);

// Writes a text as UTF-8 to standard output or error: on Windows to a console as text, else
// the bytes.
void schrijfUtf8(std::FILE* naar, const QString& tekst);

} // namespace kz::console
