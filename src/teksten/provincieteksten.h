// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the progress per province: the column heads and cells that a table and
// the CSV file share.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "overview/provincievoortgang.h"

namespace kz::provincieteksten {

// "Provincie", "Regio's", "Bezocht", "Nog te bezoeken", "Procent".
QStringList kolommen();
QStringList cellen(const Provincievoortgang::Provincieregel& r, const QLocale& locale);

} // namespace kz::provincieteksten
