// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/datum.h"

#include <QDate>
#include <QLocale>

namespace kz {

int huidigKalenderjaar() { return QDate::currentDate().year(); }

QString datumtekstVandaag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

} // namespace kz
