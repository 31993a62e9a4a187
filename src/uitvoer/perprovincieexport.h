// SPDX-License-Identifier: GPL-3.0-or-later
// The progress per province as CSV (--per-provincie): the column heads, then per province
// its regions, the visited ones, those still to visit and the share visited in per cent
// (with a decimal point); comma-separated, one line feed after each line, UTF-8.
#pragma once

#include <QByteArray>

#include "overview/provincievoortgang.h"

namespace kz {

QByteArray perProvincieExport(const Provincievoortgang& v);

} // namespace kz
