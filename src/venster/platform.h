// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kz {

// Before the window mode's QApplication exists: on Windows the window draws its texts with
// FreeType, as the batch mode and Linux do, so that its picture is the same to the pixel.
void bereidVensterVoor();

} // namespace kz
