#include "foundlog/zoekpad.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kz {

namespace {

// The letters after the '<' that set the four kinds of line apart from nearly every other
// line of an export: a 'w' one after it (<wpt lat=), a 'w' two after it (</wpt>), a 'U'
// six and an 'o' eleven after it (<gsak:UserFound>; the 'o' passes over GSAK's other
// user fields, <gsak:UserFlag>, <gsak:UserData>, <gsak:User2> and so on, which stand in
// every waypoint of a full export) and an 'N' 21 after it (the Dutch country line).
constexpr int vooruit = 21; // the furthest of them

const char* zoekPortabel(const char* p, const char* r, const char* e) {
    while (p < r) {
        p = static_cast<const char*>(std::memchr(p, '<', std::size_t(r - p)));
        if (!p) return r;
        const auto byte = [&](int k) { return e - p > k ? p[k] : '\0'; };
        if (byte(1) == 'w' || byte(2) == 'w' || (byte(6) == 'U' && byte(11) == 'o') || byte(vooruit) == 'N') return p;
        ++p;
    }
    return r;
}

#if defined(__x86_64__)

// Each wide path tests 64 bytes a step while the furthest byte it looks at lies before
// e, and leaves the last few bytes to the portable search.

__attribute__((always_inline)) inline unsigned kandidaten16(const char* q) {
    const __m128i a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i a1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1));
    const __m128i a2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 2));
    const __m128i a6 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 6));
    const __m128i a11 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 11));
    const __m128i a21 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + vooruit));
    const __m128i gevonden = _mm_and_si128(_mm_cmpeq_epi8(a6, _mm_set1_epi8('U')), _mm_cmpeq_epi8(a11, _mm_set1_epi8('o')));
    const __m128i volgt =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(a1, _mm_set1_epi8('w')), _mm_cmpeq_epi8(a2, _mm_set1_epi8('w'))),
                     _mm_or_si128(gevonden, _mm_cmpeq_epi8(a21, _mm_set1_epi8('N'))));
    return unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a0, _mm_set1_epi8('<')), volgt)));
}

const char* zoekSse2(const char* p, const char* r, const char* e) {
    for (; p < r && e - p >= 64 + vooruit; p += 64) {
        const std::uint64_t m = std::uint64_t{kandidaten16(p)} | std::uint64_t{kandidaten16(p + 16)} << 16 |
                                std::uint64_t{kandidaten16(p + 32)} << 32 | std::uint64_t{kandidaten16(p + 48)} << 48;
        if (m != 0) {
            const char* x = p + std::countr_zero(m);
            return x < r ? x : r;
        }
    }
    return zoekPortabel(p, r, e);
}

__attribute__((target("avx2"), always_inline)) inline unsigned kandidaten32(const char* q) {
    const __m256i a0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
    const __m256i a1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 1));
    const __m256i a2 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 2));
    const __m256i a6 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 6));
    const __m256i a11 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 11));
    const __m256i a21 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + vooruit));
    const __m256i gevonden =
        _mm256_and_si256(_mm256_cmpeq_epi8(a6, _mm256_set1_epi8('U')), _mm256_cmpeq_epi8(a11, _mm256_set1_epi8('o')));
    const __m256i volgt = _mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(a1, _mm256_set1_epi8('w')), _mm256_cmpeq_epi8(a2, _mm256_set1_epi8('w'))),
        _mm256_or_si256(gevonden, _mm256_cmpeq_epi8(a21, _mm256_set1_epi8('N'))));
    return unsigned(_mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(a0, _mm256_set1_epi8('<')), volgt)));
}

__attribute__((target("avx2"))) const char* zoekAvx2(const char* p, const char* r, const char* e) {
    for (; p < r && e - p >= 64 + vooruit; p += 64) {
        const std::uint64_t m = std::uint64_t{kandidaten32(p)} | std::uint64_t{kandidaten32(p + 32)} << 32;
        if (m != 0) {
            const char* x = p + std::countr_zero(m);
            return x < r ? x : r;
        }
    }
    return zoekPortabel(p, r, e);
}

#endif

} // namespace

bool wordtOndersteund(Zoekpad pad) {
    switch (pad) {
    case Zoekpad::portabel:
        return true;
#if defined(__x86_64__)
    case Zoekpad::sse2:
        return true; // part of every x86-64 processor
    case Zoekpad::avx2:
        return __builtin_cpu_supports("avx2");
#else
    default:
        return false;
#endif
    }
    return false;
}

Zoekpad besteZoekpad() {
    for (auto pad = std::end(alleZoekpaden); pad != std::begin(alleZoekpaden);)
        if (wordtOndersteund(*--pad)) return *pad;
    return Zoekpad::portabel;
}

Zoekpad kiesZoekpad(const char* keuze) {
    if (keuze)
        for (Zoekpad pad : alleZoekpaden)
            if (std::strcmp(keuze, naamVan(pad)) == 0 && wordtOndersteund(pad)) return pad;
    return besteZoekpad();
}

Zoekpad gekozenZoekpad() { return kiesZoekpad(std::getenv("KAVELZICHT_ZOEKPAD")); }

const char* naamVan(Zoekpad pad) {
    switch (pad) {
    case Zoekpad::portabel:
        return "portabel";
    case Zoekpad::sse2:
        return "sse2";
    case Zoekpad::avx2:
        return "avx2";
    }
    return "?";
}

Zoeker zoekerVan(Zoekpad pad) {
    if (!wordtOndersteund(pad)) return zoekPortabel;
    switch (pad) {
#if defined(__x86_64__)
    case Zoekpad::sse2:
        return zoekSse2;
    case Zoekpad::avx2:
        return zoekAvx2;
#endif
    default:
        return zoekPortabel;
    }
}

} // namespace kz
