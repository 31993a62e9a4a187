// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line says of an export of the regions with a suffix it does not take.
#pragma once

#include <QString>
#include <QStringList>

namespace kz::exportteksten {

// --regio-export with a name whose suffix is none of `achtervoegsels`.
QString onbekendFormaat(const QString& pad, const QStringList& achtervoegsels);

} // namespace kz::exportteksten
