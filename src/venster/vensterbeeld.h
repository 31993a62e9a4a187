// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kz {

// The picture that every pass saves, a bare name: it lands in the current folder.
inline constexpr const char* standaardAfbeelding = "Kavelzicht.bmp";

} // namespace kz
