// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/zelfdebestand.h"

#include <filesystem>
#include <system_error>

namespace kz {

namespace {

namespace fs = std::filesystem;

// UTF-8 on Windows, the bytes as they are elsewhere; throws on a name that is no valid
// UTF-8 on Windows.
fs::path padVan(const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); }

// The file that writing pad would replace: its links followed as QSaveFile follows them,
// then every folder on the way resolved by the system, ".." after a linked folder too.
fs::path vervangt(const std::string& pad) {
    std::error_code fout;
    fs::path p = fs::absolute(padVan(pad), fout);
    for (int diepte = 0; diepte < 40 && fs::is_symlink(p, fout); ++diepte) {
        const fs::path doel = fs::read_symlink(p, fout);
        if (fout) break;
        p = doel.is_absolute() ? doel : p.parent_path() / doel;
    }
    const fs::path vast = fs::weakly_canonical(p, fout);
    return fout ? p.lexically_normal() : vast;
}

} // namespace

bool zelfdeBestand(const std::string& a, const std::string& b) {
    try {
        std::error_code fout;
        return fs::equivalent(padVan(a), padVan(b), fout) || vervangt(a) == vervangt(b);
    } catch (const std::exception&) {
        // A name that is no valid UTF-8 on Windows cannot be written either.
        return a == b;
    }
}

std::optional<std::pair<std::size_t, std::size_t>> zoekZelfdeBestand(const std::vector<std::string>& paden) {
    for (std::size_t j = 1; j < paden.size(); ++j)
        for (std::size_t i = 0; i < j; ++i)
            if (zelfdeBestand(paden[i], paden[j])) return std::pair(i, j);
    return std::nullopt;
}

} // namespace kz
