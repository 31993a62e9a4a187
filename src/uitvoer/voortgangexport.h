// SPDX-License-Identifier: GPL-3.0-or-later
// The progress as CSV: comma-separated, the column heads first, one line feed after each
// line, UTF-8.
#pragma once

#include <QByteArray>

#include "overview/provincievoortgang.h"
#include "overview/voortgang.h"

namespace kz {

// Per year (--per-jaar): per found year, and the finds without a year, the finds, the
// Dutch finds, the regions visited, those visited for the first time and so far.
QByteArray perJaarExport(const Voortgang& v);

// Per province (--per-provincie): its regions, the visited ones, those still to visit and
// the share visited in per cent (with a decimal point).
QByteArray perProvincieExport(const Provincievoortgang& v);

} // namespace kz
