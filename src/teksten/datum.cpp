// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/datum.h"

#include <string>

#include <QDate>
#include <QLocale>

#include "overview/startjaren.h"

namespace kz {

int huidigKalenderjaar() { return QDate::currentDate().year(); }

QString datumtekstVandaag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

std::array<int, 3> startJaren(const QString& datumtekst) { return startJaren(std::string_view(datumtekst.right(4).toStdString())); }

} // namespace kz
