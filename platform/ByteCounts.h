#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sorna {

// Counts of byte classes over a whole buffer, sixteen bytes at a time where the machine has
// SSE2: cheap enough to size a decoder's output before decoding.
struct ByteCounts {
    size_t high = 0;          // 0x80 and above
    size_t continuation = 0;  // 0x80 to 0xBF, the UTF-8 continuation bytes
    size_t fourByteLead = 0;  // 0xF0 and above, leads of UTF-8 sequences of two UTF-16 units
};

inline ByteCounts CountByteClasses(const uint8_t* bytes, size_t count) {
    ByteCounts counts;
    size_t i = 0;
#if defined(__SSE2__)
    // As signed bytes: high ones are negative, continuation bytes below -64, four-byte leads
    // from -16 to -1. A byte lane counts a class's bytes up to 255 blocks, and is then added up.
    const __m128i zero = _mm_setzero_si128();
    const __m128i continuationEnd = _mm_set1_epi8(-64);
    const __m128i fourByteStart = _mm_set1_epi8(-17);
    const auto total = [&zero](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        return static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
               static_cast<size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    };
    while (i + 16 <= count) {
        __m128i high = zero;
        __m128i continuation = zero;
        __m128i fourByteLead = zero;
        const size_t stop = std::min(count & ~size_t{15}, i + 255 * size_t{16});
        for (; i < stop; i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
            const __m128i isHigh = _mm_cmplt_epi8(block, zero);
            high = _mm_sub_epi8(high, isHigh);
            continuation = _mm_sub_epi8(continuation, _mm_cmplt_epi8(block, continuationEnd));
            fourByteLead = _mm_sub_epi8(
                fourByteLead, _mm_and_si128(_mm_cmpgt_epi8(block, fourByteStart), isHigh));
        }
        counts.high += total(high);
        counts.continuation += total(continuation);
        counts.fourByteLead += total(fourByteLead);
    }
#endif
    for (; i < count; ++i) {
        counts.high += bytes[i] >= 0x80;
        counts.continuation += bytes[i] >= 0x80 && bytes[i] < 0xC0;
        counts.fourByteLead += bytes[i] >= 0xF0;
    }
    return counts;
}

}  // namespace sorna
