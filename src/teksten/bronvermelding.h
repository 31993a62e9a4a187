// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kz {

// What --version prints: "Kavelzicht VERSION", then where the names of the regions come
// from, as their licence asks to say; each line ends in a line break.
QString versietekst();

} // namespace kz
