// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of a CSV file: comma-separated fields, one line feed after each line.
#pragma once

#include <QString>
#include <QStringList>

namespace kz::csv {

// The fields as one line, each quoted where it holds a comma, a quote or a line break.
QString regel(const QStringList& velden);

} // namespace kz::csv
