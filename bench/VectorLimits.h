#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// What this machine can do at best with the bytes a benchmark works on: the limits that the
// benchmarks print their ratios against.
namespace sorna::bench {

// Every byte widened to a code unit, sixteen at a time: the speed of memory for a decoder.
inline void WidenBytes(const uint8_t* in, size_t count, char16_t* out) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= count; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(block, zero));
    }
#endif
    for (; i < count; ++i) {
        out[i] = in[i];
    }
}

}  // namespace sorna::bench
