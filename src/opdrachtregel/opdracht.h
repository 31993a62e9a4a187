// What the command line asks for: the window, the batch mode with its options, the help
// or version text, or a usage error.
#pragma once

#include <array>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "venster/export.h"

namespace kz {

struct Opdracht {
    enum Soort { Venster, Batch, Hulp, Versie, Gebruiksfout } soort = Venster;

    std::optional<std::array<int, 3>> jaren; // as given; the pass sorts them
    bool kleurschakering = false;
    QString uitvoer = QString::fromLatin1(standaardAfbeelding);
    QByteArray formaat = "BMP"; // image format, from the suffix of uitvoer
    QString gpx;

    QString fout; // with Gebruiksfout: what is wrong, in Dutch

    // Reads the arguments, the program name first. Only the program name: the window.
    static Opdracht lees(const QStringList& argumenten);
    // The usage text, ending in a line break.
    static QString gebruikstekst();
};

} // namespace kz
