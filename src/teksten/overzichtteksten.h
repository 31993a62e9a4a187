// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of an overview as the result panel shows them; the batch mode prints the
// same texts.
#pragma once

#include <array>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "overview/overzicht.h"

namespace kz {

struct Overzichtteksten {
    std::array<QString, 2> aantal; // regions not visited, visited
    std::array<QString, 2> perc;   // their shares
    QString zonderNl;              // the legend line of the regions without Dutch caches
    QString fake;                  // the legend line of the finds in 'fake' regions
    QString nlcache;
    QString totcache;
    std::array<QString, 3> jaar; // the captions of the year frames
    std::array<QString, 3> nrjr; // "57 (12)": regions of the year, of which new

    // The statistics as lines of caption and value, as the batch mode prints them and a
    // screen reader reads them.
    QStringList regels;
    // What each map shows, for a screen reader: "Hoofdkaart: 179 van 627 regio's bezocht",
    // then per year map "2007: 15 regio's bezocht, waarvan 11 voor het eerst".
    std::array<QString, 4> kaarten;

    static Overzichtteksten van(const Overzicht& o, const QLocale& locale);
};

} // namespace kz
