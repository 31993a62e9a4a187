// SPDX-License-Identifier: GPL-3.0-or-later
// The console of a POSIX system: standard output and error as they are; CMake builds this file there only.
#include "opdrachtregel/console.h"

namespace kz::console {

void verbind() {}

QString naamVan(std::FILE* stroom) {
    if (stroom == stdout) return QStringLiteral("/dev/stdout");
    return stroom == stderr ? QStringLiteral("/dev/stderr") : QString();
}

void schrijf(std::FILE* naar, const QString& tekst) { std::fputs(tekst.toLocal8Bit().constData(), naar); }

void schrijfUtf8(std::FILE* naar, const QString& tekst) {
    const QByteArray utf8 = tekst.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), naar);
}

} // namespace kz::console
