// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/plaats.h"

namespace kz {

namespace {

constexpr Plaats tabel[] = {
#include "plaatsen/plaatsen.inc"
};

} // namespace

std::span<const Plaats> Plaats::alle() { return tabel; }

} // namespace kz
