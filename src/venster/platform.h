// SPDX-License-Identifier: GPL-3.0-or-later
// What the window mode asks of the system it runs on before its QApplication exists:
// platform_posix.cpp and platform_windows.cpp, of which CMake builds the one at hand.
#pragma once

namespace kz {

// On Windows the window draws its texts with FreeType, as the batch mode's picture and
// Linux do, so that the picture it saves is the same to the pixel (unless the user
// chose a platform). Elsewhere nothing needs doing.
void bereidVensterVoor();

} // namespace kz
