// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/zoekpad.h"

#include <cstdlib>
#include <cstring>

#include "foundlog/avx2zoeker.h"

namespace kz {

namespace {

// Whether a line of the set may begin at p (< e; the bytes up to e may be read). For
// <gsak:UserFound> the 'o' eleven after the '<' passes over GSAK's other user fields
// (<gsak:UserFlag>, <gsak:UserData>, ...), which stand in every waypoint of a full export.
bool kanBeginnen(Kandidaten welke, const char* p, const char* e) {
    const auto byte = [&](int k) { return e - p > k ? p[k] : '\0'; };
    if (byte(0) != '<') return false;
    const bool kop = byte(1) == 'w' || (byte(1) == 'n' && byte(6) == 'M');
    if (welke == Kandidaten::kop) return kop;
    if (byte(1) == 'w' || byte(2) == 'w' || (byte(6) == 'U' && byte(11) == 'o') || byte(verstePlek) == 'N') return true;
    return welke == Kandidaten::logs && (byte(16) == ' ' || byte(17) == '>');
}

template <Kandidaten K>
const char* zoekPortabel(const char* p, const char* r, const char* e) {
    while (p < r) {
        p = static_cast<const char*>(std::memchr(p, '<', std::size_t(r - p)));
        if (!p) return r;
        if (kanBeginnen(K, p, e)) return p;
        ++p;
    }
    return r;
}

} // namespace

bool wordtOndersteund(Zoekpad pad) { return pad == Zoekpad::portabel || avx2::ondersteund(); }

Zoekpad besteZoekpad() { return wordtOndersteund(Zoekpad::avx2) ? Zoekpad::avx2 : Zoekpad::portabel; }

Zoekpad kiesZoekpad(const char* keuze) {
    if (keuze)
        for (Zoekpad pad : alleZoekpaden)
            if (std::strcmp(keuze, naamVan(pad)) == 0 && wordtOndersteund(pad)) return pad;
    return besteZoekpad();
}

Zoekpad gekozenZoekpad() { return kiesZoekpad(std::getenv("KAVELZICHT_ZOEKPAD")); }

const char* naamVan(Zoekpad pad) { return pad == Zoekpad::avx2 ? "avx2" : "portabel"; }

Zoeker zoekerVan(Zoekpad pad, Kandidaten welke) {
    if (pad == Zoekpad::avx2 && wordtOndersteund(pad)) return avx2::zoeker(welke);
    if (welke == Kandidaten::kop) return zoekPortabel<Kandidaten::kop>;
    return welke == Kandidaten::logs ? zoekPortabel<Kandidaten::logs> : zoekPortabel<Kandidaten::gewoon>;
}

} // namespace kz
