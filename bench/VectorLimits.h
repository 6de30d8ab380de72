#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/AsciiRun.h"

// What this machine can do at best with the bytes a benchmark works on: the limits that the
// benchmarks print their ratios against.
namespace sorna::bench {

// Every byte widened to a code unit, sixteen at a time: the speed of memory for a decoder.
inline void WidenBytes(const uint8_t* in, size_t count, char16_t* out) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= count; i += 16) {
        WidenSixteenBytes(in + i, out + i);
    }
#endif
    for (; i < count; ++i) {
        out[i] = in[i];
    }
}

// The sum of widths already looked up, one per code unit, eight at a time: the speed of reading
// the text once, which no layout can pass.
inline int64_t SumWidths(const uint16_t* widths, size_t count) {
    int64_t sum = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // Pairs of widths multiplied by one and added into 32-bit lanes, emptied before they can
    // overflow.
    const __m128i ones = _mm_set1_epi16(1);
    while (i + 8 <= count) {
        __m128i lanes = _mm_setzero_si128();
        const size_t stop = std::min(count, i + (size_t{1} << 15)) & ~size_t{7};
        for (; i < stop; i += 8) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(widths + i));
            lanes = _mm_add_epi32(lanes, _mm_madd_epi16(block, ones));
        }
        alignas(16) int32_t parts[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(parts), lanes);
        sum += int64_t{parts[0]} + parts[1] + parts[2] + parts[3];
    }
#endif
    for (; i < count; ++i) {
        sum += widths[i];
    }
    return sum;
}

// The line feeds among `count` code units, eight at a time: the speed of reading a text once
// for its lines, which no search of its lines can pass.
inline size_t CountLineFeeds(const char16_t* text, size_t count) {
    size_t lines = 0;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi16(u'\n');
    while (i + 8 <= count) {
        // Each lane counts down by one per line feed, emptied before it can wrap.
        __m128i lanes = _mm_setzero_si128();
        const size_t stop = std::min(count, i + (size_t{8} << 15)) & ~size_t{7};
        for (; i < stop; i += 8) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
            lanes = _mm_sub_epi16(lanes, _mm_cmpeq_epi16(block, feed));
        }
        alignas(16) uint16_t parts[8];
        _mm_store_si128(reinterpret_cast<__m128i*>(parts), lanes);
        for (const uint16_t part : parts) {
            lines += part;
        }
    }
#endif
    for (; i < count; ++i) {
        lines += text[i] == u'\n' ? 1 : 0;
    }
    return lines;
}

}  // namespace sorna::bench
