// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks for: the window, the batch mode with its options, the help
// or version text, or a usage error.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "grid/coordinaat.h"
#include "uitvoer/regioformaat.h"
#include "venster/vensterbeeld.h"

namespace kz {

struct Opdracht {
    enum Soort { Venster, Batch, Hulp, Versie, Gebruiksfout } soort = Venster;

    std::optional<std::array<int, 3>> jaren; // as given; the pass sorts them
    bool kleurschakering = false;
    QString uitvoer = QString::fromLatin1(standaardAfbeelding);
    QByteArray formaat = "BMP"; // image format, from the suffix of uitvoer
    QString perJaar;      // --per-jaar: the progress per year as CSV; empty: not asked
    QString perProvincie; // --per-provincie: the progress per province as CSV; empty: not asked
    QString regioExport;  // --regio-export; empty: not asked
    const Regioformaat* regioformaat = nullptr; // from the suffix of regioExport
    std::optional<Coordinaat> thuis;            // --thuis: lists the nearest unvisited regions
    QString gpx;          // the GPX file as text, for messages; with Venster it may be empty
    std::string gpxBytes; // the same name as the exact bytes that were given, for opening it
    // Qt's -style STYLE was given: the window keeps that style (the batch mode's picture
    // is always drawn in the program's own).
    bool stijl = false;

    QString fout; // with Gebruiksfout: what is wrong, in Dutch

    // Reads the arguments, the program name first, each as the exact bytes given. Only
    // the program name: the window.
    static Opdracht lees(const std::vector<std::string>& argumenten);
    // The usage text, ending in a line break.
    static QString gebruikstekst();
};

} // namespace kz
