#include "foundlog/pass_start.h"

#include <utility>

namespace kz {

std::string bouwPad(const std::string& map, const std::string& bestand) {
    std::string pad = map;
    if (pad.empty() || pad.back() != '/') pad += '/';
    pad += bestand;
    return pad;
}

void sorteerJaren(std::array<int, 3>& posities) {
    const auto wissel = [&posities](std::size_t a, std::size_t b) {
        if (posities[a] > posities[b]) std::swap(posities[a], posities[b]);
    };
    wissel(0, 1);
    wissel(1, 2);
    wissel(0, 1);
}

} // namespace kz
