// SPDX-License-Identifier: GPL-3.0-or-later
// The progress per year as CSV (--per-jaar): per found year the finds, the Dutch finds,
// the regions visited, those visited for the first time and those visited so far: the
// column heads, then a line per year and the one without a year; comma-separated, one
// line feed after each line, UTF-8.
#pragma once

#include <QByteArray>

#include "overview/voortgang.h"

namespace kz {

QByteArray perJaarExport(const Voortgang& v);

} // namespace kz
