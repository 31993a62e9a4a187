// SPDX-License-Identifier: GPL-3.0-or-later
// The regions as CSV, for a spreadsheet: a line per region with its name, row, column,
// status, finds, first year and bounds in degrees, then the finds of each year from the
// first found year to the last, and last the place it is named after and that place's
// province. The home and the locale play no part.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QLocale>

#include "grid/coordinaat.h"
#include "overview/regio.h"

namespace kz {

QByteArray csvExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale);

} // namespace kz
