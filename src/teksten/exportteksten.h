// SPDX-License-Identifier: GPL-3.0-or-later
// What the exports of the regions say: where they were saved, why not, and which suffixes
// the command line takes.
#pragma once

#include <QString>
#include <QStringList>

#include "teksten/schrijffout.h"

namespace kz::exportteksten {

// "Regio's opgeslagen als " and the path; "De regio's kunnen niet worden opgeslagen als "
// with the reason.
QString opgeslagen(const QString& pad);
QString nietOpgeslagen(const QString& pad, Schrijffout fout);
// --regio-export with a name whose suffix is none of `achtervoegsels`.
QString onbekendFormaat(const QString& pad, const QStringList& achtervoegsels);

} // namespace kz::exportteksten
