#include "grid/vaktekst.h"

namespace kz {

namespace {

constexpr std::string_view graden = "\xC2\xB0";       // °
constexpr std::string_view streep = " \xE2\x80\x93 "; // " – "

// Tenths of a degree as "52,3°".
std::string tienden(int t, std::string_view decimaalteken) {
    std::string s = std::to_string(t / 10);
    s += decimaalteken;
    s += char('0' + t % 10);
    s += graden;
    return s;
}

// Twelfths of a degree (steps of five minutes) as "4° 50'".
std::string twaalfden(int k) {
    const int minuten = k % 12 * 5;
    std::string s = std::to_string(k / 12);
    s += graden;
    s += ' ';
    if (minuten < 10) s += '0';
    s += std::to_string(minuten);
    s += '\'';
    return s;
}

} // namespace

std::string bandTekst(int rij, int kolom, std::string_view decimaalteken) {
    std::string s = tienden(rij, decimaalteken);
    s += streep;
    s += tienden(rij + 1, decimaalteken);
    s += " N, ";
    s += twaalfden(kolom);
    s += streep;
    s += twaalfden(kolom + 1);
    s += " O";
    return s;
}

std::string_view soortTekst(bool nederlands) {
    return nederlands ? "Nederlandse cache-regio" : "Regio zonder Nederlandse caches";
}

std::string aantalTekst(int32_t aantal, int jaar) {
    if (jaar == 0) return "Gevonden: " + std::to_string(aantal) + " (alle jaren)";
    return "Gevonden in " + std::to_string(jaar) + ": " + std::to_string(aantal);
}

std::string vakTekst(int index, bool nederlands, std::optional<int32_t> aantal, int jaar,
                     std::string_view decimaalteken) {
    std::string s = bandTekst(rijVanIndex(index), kolomVanIndex(index), decimaalteken);
    s += '\n';
    s += soortTekst(nederlands);
    if (aantal) {
        s += '\n';
        s += aantalTekst(*aantal, jaar);
    }
    return s;
}

std::array<int32_t, aantalVakken> aantallenPerVak(const Gevonden& gevonden, int jaar) {
    std::array<int32_t, aantalVakken> aantallen{};
    for (int i = 0; i < aantalVakken; ++i) aantallen[i] = gevonden(jaar, rijVanIndex(i), kolomVanIndex(i));
    return aantallen;
}

} // namespace kz
