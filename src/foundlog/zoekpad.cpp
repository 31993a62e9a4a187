// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/zoekpad.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kz {

namespace {

// The furthest byte after the '<' that a search looks at.
constexpr int verstePlek = 21;

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

#if defined(__x86_64__)

// The AVX2 path tests 64 bytes a step while the furthest byte it looks at lies before e,
// and leaves the last few bytes to the portable search.

// Where the byte k after each of the vector's positions is c.
__attribute__((target("avx2"), always_inline)) inline __m256i is32(const char* q, int k, char c) {
    return _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + k)), _mm256_set1_epi8(c));
}

template <Kandidaten K>
__attribute__((target("avx2"), always_inline)) inline unsigned kandidaten32(const char* q) {
    __m256i volgt;
    if constexpr (K == Kandidaten::kop) {
        volgt = _mm256_or_si256(is32(q, 1, 'w'), _mm256_and_si256(is32(q, 1, 'n'), is32(q, 6, 'M')));
    } else {
        volgt = _mm256_or_si256(_mm256_or_si256(is32(q, 1, 'w'), is32(q, 2, 'w')),
                                _mm256_or_si256(_mm256_and_si256(is32(q, 6, 'U'), is32(q, 11, 'o')), is32(q, verstePlek, 'N')));
        if constexpr (K == Kandidaten::logs)
            volgt = _mm256_or_si256(volgt, _mm256_or_si256(is32(q, 16, ' '), is32(q, 17, '>')));
    }
    return unsigned(_mm256_movemask_epi8(_mm256_and_si256(is32(q, 0, '<'), volgt)));
}

template <Kandidaten K>
__attribute__((target("avx2"))) const char* zoekAvx2(const char* p, const char* r, const char* e) {
    for (; p < r && e - p >= 64 + verstePlek; p += 64) {
        const std::uint64_t m = std::uint64_t{kandidaten32<K>(p)} | std::uint64_t{kandidaten32<K>(p + 32)} << 32;
        if (m != 0) {
            const char* x = p + std::countr_zero(m);
            return x < r ? x : r;
        }
    }
    return zoekPortabel<K>(p, r, e);
}

#endif

template <Kandidaten K>
Zoeker zoekerVoor(Zoekpad pad) {
#if defined(__x86_64__)
    if (pad == Zoekpad::avx2 && wordtOndersteund(pad)) return zoekAvx2<K>;
#endif
    return zoekPortabel<K>;
}

} // namespace

bool wordtOndersteund(Zoekpad pad) {
#if defined(__x86_64__)
    if (pad == Zoekpad::avx2) return __builtin_cpu_supports("avx2");
#endif
    return pad == Zoekpad::portabel;
}

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
    if (welke == Kandidaten::kop) return zoekerVoor<Kandidaten::kop>(pad);
    return welke == Kandidaten::logs ? zoekerVoor<Kandidaten::logs>(pad) : zoekerVoor<Kandidaten::gewoon>(pad);
}

} // namespace kz
