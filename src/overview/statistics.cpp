#include "overview/statistics.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kz {

namespace {

// Decimal digits of a whole number, without the locale getting a say.
template <typename Geheel>
std::string heelGetal(Geheel n) {
    char buf[32];
    const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, n);
    (void)fout; // 32 characters hold any 64-bit number
    return std::string(buf, eind);
}

} // namespace

std::string vormEenDecimaal(double waarde, std::string_view decimaalteken) {
    if (!std::isfinite(waarde)) waarde = 0; // never happens for shares of the mask; keep the form

    // |waarde| = mantisse * 2^exponent exactly, with mantisse < 2^53.
    const bool negatief = std::signbit(waarde);
    int exponent = 0;
    const double fractie = std::frexp(std::fabs(waarde), &exponent);
    const auto mantisse = static_cast<uint64_t>(std::ldexp(fractie, 53));
    exponent -= 53;

    std::string geheel;
    int tiende = 0;
    if (exponent >= 0) {
        // A whole number; to_chars writes it exactly, however large.
        char buf[400];
        const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, std::fabs(waarde), std::chars_format::fixed, 0);
        (void)fout; // 400 characters hold any double in fixed form without decimals
        geheel.assign(buf, eind);
    } else {
        // Hundredths rounded down, exactly: mantisse * 100 stays below 2^60.
        const uint64_t honderdsten = -exponent >= 64 ? 0 : (mantisse * 100) >> -exponent;
        // Round half away from zero on the second decimal.
        const uint64_t tienden = honderdsten / 10 + (honderdsten % 10 >= 5 ? 1 : 0);
        geheel = heelGetal(tienden / 10);
        tiende = static_cast<int>(tienden % 10);
    }

    std::string tekst;
    if (negatief && (geheel != "0" || tiende != 0)) tekst += '-';
    tekst += geheel;
    tekst += decimaalteken;
    tekst += static_cast<char>('0' + tiende);
    return tekst;
}

std::string percentage(int32_t a, int32_t b, std::string_view decimaalteken) {
    // Single precision throughout, step by step.
    const float fa = static_cast<float>(a);
    const float som = fa + static_cast<float>(b);
    float aandeel = 0;
    if (som != 0) {
        const float deel = fa / som;
        aandeel = deel * 100.0f;
    }
    return vormEenDecimaal(static_cast<double>(aandeel), decimaalteken) + "%";
}

std::string tussenHaakjes(int32_t n) { return " (" + heelGetal(n) + ")"; }

Statistiek maakStatistiek(const Kaarten& kaarten, int32_t nltotaal, int32_t totaal, std::string_view decimaalteken) {
    Statistiek s;
    s.aantal0 = heelGetal(kaarten.nietbezocht);
    s.aantal1 = heelGetal(kaarten.bezocht);
    s.perc0 = percentage(kaarten.nietbezocht, kaarten.bezocht, decimaalteken);
    s.perc1 = percentage(kaarten.bezocht, kaarten.nietbezocht, decimaalteken);
    s.label1_2 = "Regio zonder Nederlandse caches" + tussenHaakjes(kaarten.zondernl);
    s.label1_3 = "Gevonden cache in 'fake'-Regio" + tussenHaakjes(kaarten.fakeregio);
    s.nlcache = heelGetal(nltotaal);
    s.totcache = heelGetal(totaal);
    for (std::size_t m = 0; m < s.nrjr.size(); ++m)
        s.nrjr[m] = heelGetal(kaarten.jrvak[m]) + tussenHaakjes(kaarten.nieuw[m]);
    return s;
}

} // namespace kz
