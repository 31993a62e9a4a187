// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the progress per province: the column heads and cells that a table and
// the CSV file share, and the lines that say where the file went.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "overview/provincievoortgang.h"
#include "teksten/schrijffout.h"

namespace kz::provincieteksten {

// "Provincie", "Regio's", "Bezocht", "Nog te bezoeken", "Procent".
QStringList kolommen();
QStringList cellen(const Provincievoortgang::Provincieregel& r, const QLocale& locale);

// Where the file went, or why it could not.
QString opgeslagen(const QString& pad);
QString nietOpgeslagen(const QString& pad, Schrijffout fout);

} // namespace kz::provincieteksten
