// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers out of GPX text: always with "." as the decimal point, whatever the
// user's locale.
#pragma once

#include <string_view>

namespace kz {

// The number that the text begins with: an optional sign, digits with at most one ".",
// and an optional exponent (E or D, optional sign, digits). Spaces, tabs and line feeds
// anywhere are ignored; reading stops at the first character that cannot continue the
// number. No number is 0; too large a number gives +-infinity.
double numeriekeWaarde(std::string_view tekst);

} // namespace kz
