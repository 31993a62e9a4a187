// The texts of an overview as the result panel shows them; the batch mode prints the
// same texts.
#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include "overview/overzicht.h"

namespace kz {

struct Overzichtteksten {
    std::array<QString, 2> aantal; // aantal(0), aantal(1): not visited, visited
    std::array<QString, 2> perc;   // perc(0), perc(1)
    QString zonderNl;              // Label1(2)
    QString fake;                  // Label1(3)
    QString nlcache;
    QString totcache;
    std::array<QString, 3> jaar; // the captions of the year frames
    std::array<QString, 3> nrjr; // "57 (12)": regions of the year, of which new

    static Overzichtteksten van(const Overzicht& o, const QLocale& locale);
};

} // namespace kz
