// SPDX-License-Identifier: GPL-3.0-or-later
// The console of Windows; CMake builds this file there only.
#include "opdrachtregel/console.h"

#include <string>

#include <fcntl.h>
#include <io.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace kz::console {

namespace {

// Whether a standard handle leads nowhere (a window program started from a console).
bool nergensHeen(DWORD welke) {
    const HANDLE h = ::GetStdHandle(welke);
    return h == nullptr || h == INVALID_HANDLE_VALUE || ::GetFileType(h) == FILE_TYPE_UNKNOWN;
}

} // namespace

// To a console as UTF-16, whatever its code page (and the console breaks the lines at
// "\n"); elsewhere the bytes as they are.
void schrijfUtf8(std::FILE* naar, const QString& tekst) {
    const QByteArray utf8 = tekst.toUtf8();
    const HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(naar)));
    if (h != INVALID_HANDLE_VALUE && ::GetFileType(h) == FILE_TYPE_CHAR) {
        std::fflush(naar);
        // From the same UTF-8 as the bytes below, so that both say the same text.
        const std::wstring breed = QString::fromUtf8(utf8).toStdWString();
        DWORD geschreven = 0;
        // Fails on a device that is no console (NUL), which then takes the bytes.
        if (::WriteConsoleW(h, breed.data(), DWORD(breed.size()), &geschreven, nullptr)) return;
    }
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), naar);
}

void verbind() {
    const bool uit = nergensHeen(STD_OUTPUT_HANDLE), fout = nergensHeen(STD_ERROR_HANDLE);
    if ((uit || fout) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (uit) std::freopen("CONOUT$", "w", stdout);
        if (fout) std::freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void schrijf(std::FILE* naar, const QString& tekst) { schrijfUtf8(naar, tekst); }

// A standard handle has no name here to open it by: the outputs are compared among
// themselves and with the found log only.
QString naamVan(std::FILE*) { return {}; }

} // namespace kz::console
