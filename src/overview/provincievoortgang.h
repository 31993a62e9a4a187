// SPDX-License-Identifier: GPL-3.0-or-later
// The progress per province: its Dutch cache regions, visited and still to visit. A
// region counts for the province of the place it is named after (Regionaam).
#pragma once

#include <array>
#include <cstdint>

#include "grid/gevonden.h"
#include "grid/nlmasker.h"
#include "overview/provincie.h"

namespace kz {

struct Provincievoortgang {
    struct Provincieregel {
        Provincie provincie{};
        std::int32_t regios = 0;  // Dutch cache regions of the province
        std::int32_t bezocht = 0; // of those, the ones with a find
        std::int32_t nogTeBezoeken() const { return regios - bezocht; }
    };

    // One line per province, in alphabetical order.
    std::array<Provincieregel, aantalProvincies> regels{};

    static Provincievoortgang van(const Gevonden& gevonden, const NlMasker& nl);
};

} // namespace kz
