// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/kleur.h"

namespace kz {

int klasseVakje(int32_t n) {
    if (n <= 1) return 4;
    if (n <= 3) return 5;
    if (n <= 6) return 6;
    if (n <= 10) return 7;
    if (n <= 15) return 8;
    return 9;
}

} // namespace kz
