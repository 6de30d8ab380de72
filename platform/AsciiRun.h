#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sorna {

#if defined(__SSE2__)
// Widens sixteen bytes into sixteen code units and gives the bytes back, to be looked at.
inline __m128i WidenSixteenBytes(const uint8_t* in, char16_t* out) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(block, zero));
    return block;
}
#endif

// The length of the run of ASCII bytes that `in` starts with, at most `count`.
inline size_t AsciiRunLength(const uint8_t* in, size_t count) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= count; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        if (const auto high = static_cast<uint32_t>(_mm_movemask_epi8(block)); high != 0) {
            return i + static_cast<size_t>(std::countr_zero(high));
        }
    }
#endif
    while (i < count && in[i] < 0x80) {
        ++i;
    }
    return i;
}

// Widens the run of ASCII bytes that `in` starts with into `out`, at most `count` of them, and
// returns its length. Sixteen bytes at a time where the machine has SSE2, one at a time
// elsewhere; a block holding the run's end is widened whole, so `out` must have room for `count`
// units, and the units after the run's end are left for the caller to overwrite.
inline size_t WidenAsciiRun(const uint8_t* in, size_t count, char16_t* out) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= count; i += 16) {
        const __m128i block = WidenSixteenBytes(in + i, out + i);
        if (const auto high = static_cast<uint32_t>(_mm_movemask_epi8(block)); high != 0) {
            return i + static_cast<size_t>(std::countr_zero(high));
        }
    }
#endif
    for (; i < count && in[i] < 0x80; ++i) {
        out[i] = in[i];
    }
    return i;
}

}  // namespace sorna
