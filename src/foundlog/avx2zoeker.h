// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX2 search, which only an x86-64 processor can have: avx2zoeker_x86_64.cpp there,
// avx2zoeker_generiek.cpp on any other; CMake builds the one of the target processor.
#pragma once

#include "foundlog/zoekpad.h"

namespace kz::avx2 {

// Whether this processor (and its operating system) runs AVX2.
bool ondersteund();
// The AVX2 search for a set of lines; asked for only where ondersteund().
Zoeker zoeker(Kandidaten welke);

} // namespace kz::avx2
