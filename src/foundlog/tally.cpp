#include "foundlog/tally.h"

#include <charconv>
#include <cmath>

namespace kz {

std::string algemeneNotatie(double waarde, std::string_view decimaalteken) {
    if (std::isnan(waarde)) return "0";
    if (std::isinf(waarde)) return waarde < 0 ? "-oneindig" : "oneindig";
    if (waarde == 0) return "0"; // also for -0
    char buf[64];
    const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, waarde, std::chars_format::general, 15);
    (void)fout;
    std::string tekst;
    for (const char* p = buf; p != eind; ++p) {
        if (*p == '.') tekst += decimaalteken;
        else if (*p == 'e') tekst += 'E';
        else tekst += *p;
    }
    return tekst;
}

Telling::Telling(const NlMasker& nl, Waarschuwer waarschuwer, std::string decimaalteken)
    : nl_(nl), waarschuwer_(std::move(waarschuwer)), decimaalteken_(std::move(decimaalteken)) {}

void Telling::tel(const Waypoint& wp) {
    if (wp.jaargev > 0) ++totaal;
    if (wp.isnl != 1 || wp.jaargev <= 0) return;
    ++nltotaal;
    const int rij = wp.vak.rij;
    const int kolom = wp.vak.kolom;
    if (!inRaster(rij, kolom)) {
        waarschuw("Verdwaald?", wp, " ligt buiten het gedefinieerde gebied voor Nederland.",
                  " en stuur uw GPX-bestand indien u meent dat in dit gebied wel een Nederlandse cache gevonden is.");
        return;
    }
    if (wp.jaargev >= eersteJaar && wp.jaargev <= laatsteJaar) {
        gevonden.telOp(wp.jaargev, rij, kolom);
        if (nl_(rij, kolom) == 0)
            waarschuw("Fake?", wp, " ligt in een 'fake'-gebied.",
                      " en stuur uw GPX-bestand indien u meent dat in dit gebied wel een cache gevonden is.");
    }
    gevonden.telOp(totaalslot, rij, kolom);
}

void Telling::waarschuw(const char* titel, const Waypoint& wp, const char* gebied, const char* slot) {
    if (!waarschuwer_) return;
    std::string tekst = "Een cache met de coordinaten: N";
    tekst += algemeneNotatie(wp.vak.breedte10 / 10.0, decimaalteken_);
    tekst += "  E";
    tekst += algemeneNotatie(wp.vak.lengte12 / 12.0, decimaalteken_);
    tekst += gebied;
    tekst += "\r\nMail naar ";
    tekst += contactadres;
    tekst += slot;
    waarschuwer_(Waarschuwing{titel, std::move(tekst)});
}

} // namespace kz
