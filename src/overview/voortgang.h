// SPDX-License-Identifier: GPL-3.0-or-later
// The progress over the years: per found year the finds and the regions visited, and how
// many regions were visited up to that year.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "grid/nlmasker.h"

namespace kz {

struct Overzicht;

struct Voortgang {
    struct Jaar {
        int jaar = 0;          // 0 for the finds without a usable year
        int32_t vondsten = 0;   // finds of every country
        int32_t nlVondsten = 0; // Dutch finds, inside the grid or not
        int32_t regios = 0;     // Dutch cache regions with a find that year
        int32_t nieuw = 0;      // of those, the ones without a find in an earlier year
        int32_t totNu = 0;      // Dutch cache regions visited up to and including that year
    };

    // Every year from the first found year to the last, years without finds between them
    // included; nothing when no find has a usable year.
    std::vector<Jaar> jaren;
    // The finds without a usable year, when there are any: their regions are the ones
    // where such finds lie, new are those that no dated find visited, and totNu is then
    // every visited region.
    std::optional<Jaar> zonderJaar;
    int32_t aantalRegios = 0; // the Dutch cache regions, 627

    static Voortgang van(const Overzicht& overzicht, const NlMasker& nl);
};

} // namespace kz
