// SPDX-License-Identifier: GPL-3.0-or-later
// Today's date as the user's short date format writes it, and this year.
#pragma once

#include <QString>

namespace kz {

// Today's date in the system locale's short date format.
QString datumtekstVandaag();

// This year by the calendar, for the year slots after 2015 and the years that --jaren
// accepts (the start years read the date text instead: see startjaren.h).
int huidigKalenderjaar();

} // namespace kz
