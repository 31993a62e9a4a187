// SPDX-License-Identifier: GPL-3.0-or-later
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

// The furthest byte after the '<' that a search looks at.
constexpr int verstePlek = 21;

// Whether a line of the set may begin at p (< e; the bytes up to e may be read): what
// the search functions find, for one place. The letters after the '<' set the lines
// apart from nearly every other line of an export; for <gsak:UserFound> the 'o' eleven
// after passes over GSAK's other user fields, <gsak:UserFlag>, <gsak:UserData>,
// <gsak:User2> and so on, which stand in every waypoint of a full export.
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

// Each wide path tests 64 bytes a step while the furthest byte it looks at lies before
// e, and leaves the last few bytes to the portable search.

// Where the byte k after each of the vector's positions is c.
__attribute__((always_inline)) inline __m128i is16(const char* q, int k, char c) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + k)), _mm_set1_epi8(c));
}

template <Kandidaten K>
__attribute__((always_inline)) inline unsigned kandidaten16(const char* q) {
    const auto is = [q](int k, char c) { return is16(q, k, c); };
    __m128i volgt;
    if constexpr (K == Kandidaten::kop) {
        volgt = _mm_or_si128(is(1, 'w'), _mm_and_si128(is(1, 'n'), is(6, 'M')));
    } else {
        volgt = _mm_or_si128(_mm_or_si128(is(1, 'w'), is(2, 'w')),
                             _mm_or_si128(_mm_and_si128(is(6, 'U'), is(11, 'o')), is(verstePlek, 'N')));
        if constexpr (K == Kandidaten::logs) volgt = _mm_or_si128(volgt, _mm_or_si128(is(16, ' '), is(17, '>')));
    }
    return unsigned(_mm_movemask_epi8(_mm_and_si128(is(0, '<'), volgt)));
}

template <Kandidaten K>
const char* zoekSse2(const char* p, const char* r, const char* e) {
    for (; p < r && e - p >= 64 + verstePlek; p += 64) {
        const std::uint64_t m = std::uint64_t{kandidaten16<K>(p)} | std::uint64_t{kandidaten16<K>(p + 16)} << 16 |
                                std::uint64_t{kandidaten16<K>(p + 32)} << 32 | std::uint64_t{kandidaten16<K>(p + 48)} << 48;
        if (m != 0) {
            const char* x = p + std::countr_zero(m);
            return x < r ? x : r;
        }
    }
    return zoekPortabel<K>(p, r, e);
}

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

// With AVX-512 a compare gives a mask of 64 bits at once, and a masked compare ANDs for
// free. A block without a '<' (the middle of a long description or log) costs one compare.
template <Kandidaten K>
__attribute__((target("avx512f,avx512bw"))) const char* zoekAvx512(const char* p, const char* r, const char* e) {
    const auto is = [&p](int k, char c, __mmask64 binnen) __attribute__((target("avx512f,avx512bw"))) {
        return _mm512_mask_cmpeq_epi8_mask(binnen, _mm512_loadu_si512(p + k), _mm512_set1_epi8(c));
    };
    for (; p < r && e - p >= 64 + verstePlek; p += 64) {
        const __mmask64 punt = _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p), _mm512_set1_epi8('<'));
        if (punt == 0) continue;
        __mmask64 m;
        if constexpr (K == Kandidaten::kop) {
            m = is(1, 'w', punt) | is(6, 'M', is(1, 'n', punt));
        } else {
            m = is(1, 'w', punt) | is(2, 'w', punt) | is(11, 'o', is(6, 'U', punt)) | is(verstePlek, 'N', punt);
            if constexpr (K == Kandidaten::logs) m |= is(16, ' ', punt) | is(17, '>', punt);
        }
        if (m != 0) {
            const char* x = p + std::countr_zero(std::uint64_t{m});
            return x < r ? x : r;
        }
    }
    return zoekPortabel<K>(p, r, e);
}

#endif

template <Kandidaten K>
Zoeker zoekerVoor(Zoekpad pad) {
    if (!wordtOndersteund(pad)) return zoekPortabel<K>;
    switch (pad) {
#if defined(__x86_64__)
    case Zoekpad::sse2:
        return zoekSse2<K>;
    case Zoekpad::avx2:
        return zoekAvx2<K>;
    case Zoekpad::avx512:
        return zoekAvx512<K>;
#endif
    default:
        return zoekPortabel<K>;
    }
}

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
    case Zoekpad::avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
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
    case Zoekpad::avx512:
        return "avx512";
    }
    return "?";
}

Zoeker zoekerVan(Zoekpad pad, Kandidaten welke) {
    switch (welke) {
    case Kandidaten::kop:
        return zoekerVoor<Kandidaten::kop>(pad);
    case Kandidaten::logs:
        return zoekerVoor<Kandidaten::logs>(pad);
    default:
        return zoekerVoor<Kandidaten::gewoon>(pad);
    }
}

} // namespace kz
