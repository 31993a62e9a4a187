// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/avx2zoeker.h"

#include <bit>
#include <cstdint>

#include <immintrin.h>

namespace kz::avx2 {

namespace {

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
__attribute__((target("avx2"))) const char* zoek(const char* p, const char* r, const char* e) {
    for (; p < r && e - p >= 64 + verstePlek; p += 64) {
        const std::uint64_t m = std::uint64_t{kandidaten32<K>(p)} | std::uint64_t{kandidaten32<K>(p + 32)} << 32;
        if (m != 0) {
            const char* x = p + std::countr_zero(m);
            return x < r ? x : r;
        }
    }
    static const Zoeker rest = zoekerVan(Zoekpad::portabel, K);
    return rest(p, r, e);
}

} // namespace

bool ondersteund() { return __builtin_cpu_supports("avx2"); }

Zoeker zoeker(Kandidaten welke) {
    if (welke == Kandidaten::kop) return zoek<Kandidaten::kop>;
    return welke == Kandidaten::logs ? zoek<Kandidaten::logs> : zoek<Kandidaten::gewoon>;
}

} // namespace kz::avx2
