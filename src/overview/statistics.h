// The texts of the statistics labels of the result panel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "overview/colouring.h"

namespace kz {

// "##0.0": one decimal, at least one digit before the separator.
std::string vormEenDecimaal(double waarde, std::string_view decimaalteken);
// Share of a in a + b, in single precision, as "##0.0" followed by "%".
std::string percentage(int32_t a, int32_t b, std::string_view decimaalteken);
// " (n)"
std::string tussenHaakjes(int32_t n);

struct Statistiek {
    std::string aantal0, aantal1; // aantal(0), aantal(1)
    std::string perc0, perc1;     // perc(0), perc(1)
    std::string label1_2, label1_3;
    std::string nlcache, totcache;
    std::array<std::string, 3> nrjr;
};

Statistiek maakStatistiek(const Kaarten& kaarten, int32_t nltotaal, int32_t totaal, std::string_view decimaalteken);

} // namespace kz
