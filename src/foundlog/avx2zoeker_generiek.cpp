// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/avx2zoeker.h"

namespace kz::avx2 {

bool ondersteund() { return false; }

Zoeker zoeker(Kandidaten) { return nullptr; }

} // namespace kz::avx2
