// SPDX-License-Identifier: GPL-3.0-or-later
// Whether two names that a run reads or writes are one file, so that no output of the
// program ever replaces its input or another of its outputs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kz {

// Whether the paths a and b (the system's bytes, UTF-8 on Windows) name one file: the
// same file where both exist (hard links and links too), else the same name that writing
// would replace once links are followed as the writer follows them.
bool zelfdeBestand(const std::string& a, const std::string& b);

// The indices of the first two of `paden` that name one file; nothing when none do.
std::optional<std::pair<std::size_t, std::size_t>> zoekZelfdeBestand(const std::vector<std::string>& paden);

} // namespace kz
