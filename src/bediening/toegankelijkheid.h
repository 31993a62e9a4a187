// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kz {

// Tells assistive technology what the window's own controls are: the maps and the chart are
// pictures; a combo box is named by its label, its chosen entry is its value (Qt's own on
// Linux would read a year list as "2013", not "Jaar 1"); a legend box or a label marked
// "voorlezen" false, which repeat the label beside them, are left out.
void kondigBedieningAan();

} // namespace kz
