#include "grid/vaktekst.h"

namespace kz {

namespace {

constexpr std::string_view graden = "\xC2\xB0";           // °
constexpr std::string_view streep = " \xE2\x80\x93 "; // " – "

// Floor division, so that bands south or west of zero still read in the right order.
int deelOmlaag(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Tenths of a degree as "52,3°".
std::string tienden(int t, std::string_view decimaalteken) {
    const int heel = deelOmlaag(t, 10);
    const int rest = t - heel * 10;
    std::string s = std::to_string(heel);
    s += decimaalteken;
    s += char('0' + rest);
    s += graden;
    return s;
}

// Twelfths of a degree (steps of five minutes) as "4° 50'".
std::string twaalfden(int k) {
    const int heel = deelOmlaag(k, 12);
    const int minuten = (k - heel * 12) * 5;
    std::string s = std::to_string(heel);
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
