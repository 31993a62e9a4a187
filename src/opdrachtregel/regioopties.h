// SPDX-License-Identifier: GPL-3.0-or-later
// The batch options that look beyond the picture: the progress per year and per province
// as CSV, the
// regions as GeoJSON, GPX or CSV, and a home from which the nearest unvisited regions
// are listed.
#pragma once

#include <functional>
#include <optional>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QLocale>
#include <QString>

#include "grid/coordinaat.h"
#include "overview/overzicht.h"
#include "uitvoer/regioformaat.h"

namespace kz {

struct Regioopties {
    QString perJaar;     // --per-jaar PAD: the progress per year as CSV; empty: not asked
    QString perProvincie; // --per-provincie PAD: the progress per province as CSV; empty: not asked
    QString regioExport; // --regio-export PAD; empty: not asked
    const Regioformaat* formaat = nullptr; // from the suffix of regioExport
    std::optional<Coordinaat> thuis; // --thuis BREEDTE,LENGTE

    // The options, for the command line's parser.
    static QList<QCommandLineOption> opties();
    // Whether the parser met any of them.
    static bool gezet(const QCommandLineParser& parser);
    // Takes them from a parser that has read the arguments; returns what is wrong with
    // them, in Dutch, or nothing.
    std::optional<QString> lees(const QCommandLineParser& parser);
    // Their lines of the usage text, each ending in a line break.
    static QString gebruikstekst();

    // After the pass: writes the files asked for and adds to `uit` the lines for standard
    // output (each file written, then the nearest unvisited regions). Each file that
    // cannot be written is told to `fout`. Returns whether every file was written.
    bool voerUit(const Overzicht& overzicht, const QLocale& locale, QString& uit,
                 const std::function<void(const QString&)>& fout) const;
};

} // namespace kz
