// SPDX-License-Identifier: GPL-3.0-or-later
// gpxgen: writes a realistic GPX found-log export for trying out and measuring the scan.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "gpxgen.h"

namespace {

void gebruik() {
    std::fputs("gebruik: gpxgen --grootte-mb N | --vondsten N  [--zaad S] [--lf] [--tabs] [--kort | --gsak | --mijnvondsten]\n"
               "                [--jaren VAN-TOT] [--zee N] [--buiten N]  UITVOER.gpx\n"
               "  --grootte-mb N  vondsten tot het bestand N MB (2^20 bytes) groot is\n"
               "  --vondsten N    precies N vondsten\n"
               "  --zaad S        zaad van de toevalsgenerator (standaard 1)\n"
               "  --lf            regels eindigen op LF in plaats van CRLF\n"
               "  --tabs          inspringen met tabs in plaats van spaties\n"
               "  --kort          korte beschrijvingen en logs (regels van gemiddeld ruim 50 bytes)\n"
               "  --gsak          zoals een volledige GSAK-export: attributen, lange beschrijving,\n"
               "                  drie tot vijf logs over meer regels, GSAK-gebruikersvelden\n"
               "  --mijnvondsten  zoals de eigen vondsten van de site (My Finds pocket query): geen\n"
               "                  GSAK-regels, het vondstjaar uit de eigen logs\n"
               "  --jaren VAN-TOT vondstjaren (standaard 2001-2018)\n"
               "  --zee N         N Nederlandse vondsten in zeevakken buiten de regio's\n"
               "  --buiten N      N Nederlandse vondsten buiten het raster\n",
               stderr);
}

template <typename T>
bool leesGetal(std::string_view tekst, T& waarde) {
    const auto r = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
    return r.ec == std::errc() && r.ptr == tekst.data() + tekst.size();
}

} // namespace

int main(int argc, char** argv) {
    kz::gpxgen::Opties o;
    std::string uitvoer;
    for (int i = 1; i < argc; ++i) {
        const char* optie = argv[i];
        const std::string_view a = optie;
        const bool heeftWaarde = i + 1 < argc;
        const std::string_view w = heeftWaarde ? std::string_view(argv[i + 1]) : std::string_view();
        bool goed = true;
        if (a == "--lf") o.lf = true;
        else if (a == "--tabs") o.tabs = true;
        else if (a == "--kort") o.kort = true;
        else if (a == "--gsak") o.gsak = true;
        else if (a == "--mijnvondsten") o.mijnVondsten = true;
        else if (a == "--grootte-mb") {
            std::uint64_t mb = 0;
            goed = heeftWaarde && leesGetal(w, mb) && mb > 0 && mb < (1u << 20);
            o.doelBytes = mb << 20;
            ++i;
        } else if (a == "--vondsten") {
            goed = heeftWaarde && leesGetal(w, o.vondsten) && o.vondsten > 0;
            ++i;
        } else if (a == "--zaad") {
            goed = heeftWaarde && leesGetal(w, o.zaad);
            ++i;
        } else if (a == "--zee") {
            goed = heeftWaarde && leesGetal(w, o.zeevondsten);
            ++i;
        } else if (a == "--buiten") {
            goed = heeftWaarde && leesGetal(w, o.buitenRaster);
            ++i;
        } else if (a == "--jaren") {
            const auto streep = w.find('-');
            goed = heeftWaarde && streep != std::string_view::npos && leesGetal(w.substr(0, streep), o.vanJaar) &&
                   leesGetal(w.substr(streep + 1), o.totJaar);
            ++i;
        } else if (a == "-h" || a == "--help") {
            gebruik();
            return 0;
        } else if (!a.empty() && a[0] != '-' && uitvoer.empty()) {
            uitvoer = a;
        } else {
            goed = false;
        }
        if (!goed) {
            std::fprintf(stderr, "gpxgen: onbekende of onjuiste optie: %s\n", optie);
            gebruik();
            return 2;
        }
    }
    if (uitvoer.empty() || (o.vondsten == 0) == (o.doelBytes == 0)) {
        gebruik();
        return 2;
    }
    kz::gpxgen::Samenvatting s;
    if (auto fout = kz::gpxgen::schrijfBestand(uitvoer, o, &s)) {
        std::fprintf(stderr, "gpxgen: %s\n", fout->c_str());
        return 1;
    }
    std::size_t eersteJaar = 0, laatsteJaar = 0;
    for (std::size_t j = 0; j < s.perJaar.size(); ++j)
        if (s.perJaar[j]) {
            if (!eersteJaar) eersteJaar = j + kz::gpxgen::Samenvatting::eersteJaar;
            laatsteJaar = j + kz::gpxgen::Samenvatting::eersteJaar;
        }
    std::printf("%s: %llu bytes, %zu regels, %zu vondsten (%zu in Nederland, waarvan %zu in zee en %zu buiten het "
                "raster), jaren %zu-%zu\n",
                uitvoer.c_str(), static_cast<unsigned long long>(s.bytes), s.regels, s.vondsten, s.nederland,
                s.zeevondsten, s.buitenRaster, eersteJaar, laatsteJaar);
    return 0;
}
