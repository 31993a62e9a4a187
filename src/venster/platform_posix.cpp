// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/platform.h"

namespace kz {

void bereidVensterVoor() {}

} // namespace kz
