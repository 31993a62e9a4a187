// SPDX-License-Identifier: GPL-3.0-or-later
// Today's date as the user's short date format writes it, and the years that the
// program selects from it at start.
#pragma once

#include <array>

#include <QString>

namespace kz {

// Today's date in the system locale's short date format.
QString datumtekstVandaag();

// This year by the calendar, for the year slots after 2015 and the years that --jaren
// accepts (the start years above read the date text instead).
int huidigKalenderjaar();

// The years selected at start for a date text in the short date format (see
// startjaren.h): its last four characters decide.
std::array<int, 3> startJaren(const QString& datumtekst);

} // namespace kz
