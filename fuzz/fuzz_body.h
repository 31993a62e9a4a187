// One fuzz case for the scanner and the tally, shared by the libFuzzer target and the
// regression test that replays inputs which once failed.
//
// It checks, besides the sanitizers' own checks, on every search path it is given:
// - feeding the bytes in pieces of any size gives the same waypoints as one piece;
// - the scanner agrees with a plain, obviously correct line-by-line reference;
// - the tally's counts stay consistent.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "foundlog/getal.h"
#include "foundlog/scanner.h"
#include "foundlog/telling.h"

namespace kz::fuzz {

inline bool zelfde(const Waypoint& a, const Waypoint& b) {
    return a.vak.rij == b.vak.rij && a.vak.kolom == b.vak.kolom && a.jaargev == b.jaargev && a.isnl == b.isnl &&
           std::memcmp(&a.vak.breedte10, &b.vak.breedte10, sizeof(double)) == 0 &&
           std::memcmp(&a.vak.lengte12, &b.vak.lengte12, sizeof(double)) == 0;
}

inline void eis(bool ok, const char* wat) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", wat);
        std::abort();
    }
}

// The reference: the whole text split into lines first, each line trimmed as a string.
inline std::vector<Waypoint> referentie(std::string_view t) {
    std::vector<std::string_view> regels;
    std::size_t b = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' || t[i] == '\n') {
            regels.push_back(t.substr(b, i - b));
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            b = i + 1;
        }
    }
    if (b < t.size()) regels.push_back(t.substr(b));

    std::vector<Waypoint> uit;
    bool open = false;
    Waypoint w;
    for (std::string_view r : regels) {
        while (!r.empty() && (r.front() == ' ' || r.front() == '\t')) r.remove_prefix(1);
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t')) r.remove_suffix(1);
        const bool afgekapt = r.size() > Scanner::maxRegel;
        if (afgekapt) r = r.substr(0, Scanner::maxRegel);
        if (!open) {
            if (r.substr(0, 9) != "<wpt lat=") continue;
            double br = 0, lg = 0;
            const auto lon = r.find("lon=");
            if (lon != std::string_view::npos) {
                const long long lonpos = (long long)lon + 1;
                const long long brl = lonpos - 13;
                const long long lgl = afgekapt ? (long long)r.size() - (lonpos + 4) : (long long)r.size() - lonpos - 6;
                if (lgl >= 0) {
                    if (brl > 0) br = numeriekeWaarde(r.substr(10, brl));
                    lg = numeriekeWaarde(r.substr(lonpos + 4, lgl));
                }
            }
            w = Waypoint{};
            w.vak = vakVanCoordinaat(br, lg);
            open = true;
            continue;
        }
        if (r.substr(0, 16) == "<gsak:UserFound>") w.jaargev = rondAfNaarInt16(numeriekeWaarde(r.substr(16, 4)));
        if (!afgekapt && r == "<groundspeak:country>Netherlands</groundspeak:country>") w.isnl = 1;
        if (!afgekapt && r == "</wpt>") {
            uit.push_back(w);
            open = false;
        }
    }
    if (open) uit.push_back(w);
    return uit;
}

inline std::vector<Waypoint> scanMet(Zoekpad pad, std::string_view tekst, const uint8_t* stukken) {
    std::vector<Waypoint> uit;
    Scanner s([&](const Waypoint& w) { uit.push_back(w); }, pad);
    if (!stukken) {
        s.voedt(tekst.data(), tekst.size());
    } else { // pieces whose sizes come from the input itself, so the fuzzer explores the splits
        for (std::size_t i = 0, k = 0; i < tekst.size(); ++k) {
            const std::size_t m = std::min<std::size_t>(1 + stukken[k % tekst.size()] % 67, tekst.size() - i);
            s.voedt(tekst.data() + i, m);
            i += m;
        }
    }
    s.einde();
    return uit;
}

inline void eenGeval(const uint8_t* data, std::size_t n, const std::vector<Zoekpad>& paden) {
    const std::string_view tekst(reinterpret_cast<const char*>(data), n);
    const std::vector<Waypoint> heel = referentie(tekst);
    for (Zoekpad pad : paden) {
        for (const uint8_t* stukken : {static_cast<const uint8_t*>(nullptr), data}) {
            const std::vector<Waypoint> gelezen = scanMet(pad, tekst, stukken);
            eis(gelezen.size() == heel.size(), "same number of waypoints as the reference");
            for (std::size_t j = 0; j < heel.size(); ++j) eis(zelfde(gelezen[j], heel[j]), "same waypoint as the reference");
        }
    }

    static const NlMasker nl = [] {
        NlMasker m;
        leesnl(m);
        return m;
    }();
    int meldingen = 0;
    Telling t(nl, [&](const Waarschuwing&) { ++meldingen; });
    for (const Waypoint& w : heel) t.tel(w);
    eis(t.nltotaal <= t.totaal && t.totaal <= int32_t(heel.size()), "tally counts are consistent");
    int32_t inRasterTotaal = 0;
    for (int r = eersteRij; r <= laatsteRij; ++r)
        for (int c = eersteKolom; c <= laatsteKolom; ++c) inRasterTotaal += t.gevonden(totaalslot, r, c);
    eis(inRasterTotaal <= t.nltotaal, "grid holds no more than the Dutch finds");
    eis(meldingen <= t.nltotaal, "at most one warning per Dutch find");

    (void)numeriekeWaarde(tekst);

    // The number reader's shortcut for short numbers reads as its full conversion does:
    // the same digits with zeros after them, too many for the shortcut, read the same.
    std::string getal, macht;
    for (std::size_t i = 0; i < n && i < 17; ++i) getal += data[i] % 11 == 10 ? '.' : char('0' + data[i] % 11);
    std::string lang = getal;
    if (getal.find('.') == std::string::npos) lang += '.';
    lang.append(30, '0');
    if (n > 0 && data[n - 1] % 2) macht.append("e").append(std::to_string(int(data[n - 1] % 64) - 32));
    const double kort = numeriekeWaarde(getal.append(macht)), vol = numeriekeWaarde(lang.append(macht));
    eis(std::memcmp(&kort, &vol, sizeof kort) == 0, "short and long form of a number read the same");
}

// On every search path this processor can run.
inline void eenGeval(const uint8_t* data, std::size_t n) {
    static const std::vector<Zoekpad> paden = [] {
        std::vector<Zoekpad> p;
        for (Zoekpad pad : alleZoekpaden)
            if (wordtOndersteund(pad)) p.push_back(pad);
        return p;
    }();
    eenGeval(data, n, paden);
}

} // namespace kz::fuzz
