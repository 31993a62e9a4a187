// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kz {

// Tells assistive technology what the window's own controls are: the maps and the chart
// are pictures, with the name and description that the window gives them; a combo box
// is named by its label, its chosen entry is its value; a Waardelabel or a legend box,
// which only repeat what the label beside them says, are left out. Installed once with
// the application.
void kondigBedieningAan();

} // namespace kz
