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

// Whether the paths a and b (the system's bytes, UTF-8 on Windows) name one file. Where
// both exist that is their identity once links are followed (device and inode, or
// volume and file index), so a hard link or a link in a folder is the same file too;
// otherwise it is the name that writing would replace, with links followed as the
// writer follows them.
bool zelfdeBestand(const std::string& a, const std::string& b);

// The first two of `paden` (in the order given: each with those before it) that name one
// file, as their indices; nothing when every path is a file of its own.
std::optional<std::pair<std::size_t, std::size_t>> zoekZelfdeBestand(const std::vector<std::string>& paden);

} // namespace kz
