// SPDX-License-Identifier: GPL-3.0-or-later
// The formats in which the regions can be exported, in one table shared by the command
// line (--regio-export) and the export dialog. A new format is a file with its writer
// and a row in regioformaat.cpp.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

struct Regioformaat {
    using Schrijver = QByteArray (*)(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis,
                                     const QLocale& locale);
    const char* naam;          // as the file dialog names it: "GeoJSON"
    const char* achtervoegsel; // with its dot: ".geojson"
    Schrijver schrijf;

    // "GeoJSON (*.geojson)".
    QString filter() const;

    // Every format, in the order the dialog offers them.
    static const std::vector<Regioformaat>& alle();
    // The format of a file name's suffix, in any case; null for another.
    static const Regioformaat* van(const QString& pad);
    // The format of a file dialog filter; the first for an unknown one.
    static const Regioformaat& vanFilter(const QString& filter);
    // The filters of a file dialog, separated by ";;", and the suffixes.
    static QString filters();
    static QStringList achtervoegsels();
};

} // namespace kz
