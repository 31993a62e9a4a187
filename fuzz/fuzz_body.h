// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz case for the scanner and the tally. The core tests replay the inputs that
// once failed against the same reference (tests/foundlog/scanner_test.cpp).
//
// It checks, besides the sanitizers' own checks, on every search path it is given:
// - the file reader, given the bytes at once or in pieces of any size, reads the same
//   waypoints as a plain, obviously correct line-by-line reference;
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
#include "foundlog/telling.h"
#include "support/geheugenbron.h"
#include "support/referentie.h"

namespace kz::fuzz {

inline void eis(bool ok, const char* wat) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", wat);
        std::abort();
    }
}

inline void eenGeval(const uint8_t* data, std::size_t n, const std::vector<Zoekpad>& paden) {
    const std::string_view tekst(reinterpret_cast<const char*>(data), n);
    const std::vector<Waypoint> heel = test::referentie(tekst);
    for (Zoekpad pad : paden)
        for (const std::vector<std::size_t>& stukken : {std::vector<std::size_t>{}, test::GeheugenBron::stukkenUit(tekst)})
            eis(test::zelfde(test::GeheugenBron::scan(std::string(tekst), stukken, pad), heel),
                "the file reader in pieces reads what the reference reads");

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
