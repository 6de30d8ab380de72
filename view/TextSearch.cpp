#include "view/TextSearch.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sorna {
namespace {

// Case folding of every BMP code unit, looked up instead of asking ICU once per character, and
// the units that fold alike linked in rings, to find every unit that stands for a folded one.
struct FoldTable {
    char16_t folded[0x10000];
    char16_t alike[0x10000];  // the next unit, cyclically, that folds to the same unit

    FoldTable() {
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const UChar32 f = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            folded[c] = char16_t(f < 0x10000 ? f : c);
        }
        constexpr int kNone = -1;
        const auto first = std::make_unique<int[]>(0x10000);
        const auto last = std::make_unique<int[]>(0x10000);
        std::fill_n(first.get(), 0x10000, kNone);
        for (int c = 0; c < 0x10000; ++c) {
            const char16_t f = folded[c];
            if (first[f] == kNone) {
                first[f] = c;
            } else {
                alike[last[f]] = char16_t(c);
            }
            last[f] = c;
        }
        for (int f = 0; f < 0x10000; ++f) {
            if (first[f] != kNone) {
                alike[last[f]] = char16_t(first[f]);
            }
        }
    }
};

const FoldTable& Folding() {
    static const FoldTable table;
    return table;
}

// Finds the places where the anchor units stand, eight units at a time where the processor
// compares vectors: a mask with two bits for each unit of a block, set where it may start a
// match. `kValues` is 1 for one unit an anchor, 4 for up to four; `kTwo` adds the last anchor.
template <int kValues, bool kTwo>
class Filter {
public:
    Filter(const std::array<char16_t, 4>& first, size_t firstIndex,
           const std::array<char16_t, 4>& last, size_t lastIndex)
        : first_(first), last_(last), firstIndex_(firstIndex), lastIndex_(lastIndex) {
#if defined(__SSE2__)
        for (int k = 0; k < kValues; ++k) {
            firstVectors_[k] = _mm_set1_epi16(short(first[size_t(k)]));
            lastVectors_[k] = _mm_set1_epi16(short(last[size_t(k)]));
        }
#endif
    }

    bool Test(const char16_t* at) const {
        return Among(at[firstIndex_], first_) && (!kTwo || Among(at[lastIndex_], last_));
    }

    // Bits 2k and 2k + 1 set when `at[k]` passes, for k < 16.
    uint32_t Mask16(const char16_t* at) const {
#if defined(__SSE2__)
        return Mask8(at) | Mask8(at + 8) << 16;
#else
        uint32_t mask = 0;
        for (int k = 0; k < 16; ++k) {
            mask |= uint32_t(Test(at + k)) * (3u << (2 * k));
        }
        return mask;
#endif
    }

private:
    static bool Among(char16_t unit, const std::array<char16_t, 4>& units) {
        bool among = unit == units[0];
        for (int k = 1; k < kValues; ++k) {
            among |= unit == units[size_t(k)];
        }
        return among;
    }

#if defined(__SSE2__)
    static __m128i Equal(const char16_t* at, const __m128i* vectors) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i equal = _mm_cmpeq_epi16(block, vectors[0]);
        for (int k = 1; k < kValues; ++k) {
            equal = _mm_or_si128(equal, _mm_cmpeq_epi16(block, vectors[k]));
        }
        return equal;
    }

    uint32_t Mask8(const char16_t* at) const {
        __m128i pass = Equal(at + firstIndex_, firstVectors_);
        if constexpr (kTwo) {
            pass = _mm_and_si128(pass, Equal(at + lastIndex_, lastVectors_));
        }
        return uint32_t(_mm_movemask_epi8(pass));
    }

    __m128i firstVectors_[kValues];
    __m128i lastVectors_[kValues];
#endif
    std::array<char16_t, 4> first_;
    std::array<char16_t, 4> last_;
    size_t firstIndex_;
    size_t lastIndex_;
};

// Every start, for an anchor that stands for too many units to compare at once.
struct PassAll {
    static bool Test(const char16_t*) { return true; }
    static uint32_t Mask16(const char16_t*) { return ~uint32_t{0}; }
};

// The first start in [lo, hi) that the filter passes and `accept` takes. Every start below `hi`
// must leave the filter's units inside the text.
template <class F, class Accept>
std::optional<size_t> ScanForward(const F& filter, const char16_t* text, size_t lo, size_t hi,
                                  Accept accept) {
    size_t p = lo;
    for (; p + 16 <= hi; p += 16) {
        for (uint32_t mask = filter.Mask16(text + p); mask != 0;
             mask &= mask - 1, mask &= mask - 1) {
            const size_t at = p + size_t(std::countr_zero(mask)) / 2;
            if (accept(at)) {
                return at;
            }
        }
    }
    for (; p < hi; ++p) {
        if (filter.Test(text + p) && accept(p)) {
            return p;
        }
    }
    return std::nullopt;
}

// The last start in [lo, hi) that the filter passes and `accept` takes.
template <class F, class Accept>
std::optional<size_t> ScanBackward(const F& filter, const char16_t* text, size_t lo, size_t hi,
                                   Accept accept) {
    size_t p = hi;
    for (; p >= lo + 16; p -= 16) {
        uint32_t mask = filter.Mask16(text + p - 16);
        while (mask != 0) {
            const int unit = (31 - std::countl_zero(mask)) / 2;
            const size_t at = p - 16 + size_t(unit);
            if (accept(at)) {
                return at;
            }
            mask &= ~(3u << (2 * unit));
        }
    }
    while (p > lo) {
        --p;
        if (filter.Test(text + p) && accept(p)) {
            return p;
        }
    }
    return std::nullopt;
}

}  // namespace

TextSearch::TextSearch(std::u16string_view pattern, SearchOptions options) : options_(options) {
    const FoldTable& folding = Folding();
    for (const char16_t c : pattern) {
        if (!options.ignoreSpacing || !IsSearchSpace(c)) {
            pattern_ += options.ignoreCase ? folding.folded[c] : c;
        }
    }
    if (pattern_.empty()) {
        return;
    }
    const auto anchor = [&](size_t index) {
        Anchor made{index, {}, 0};
        const char16_t unit = pattern_[index];
        made.units.fill(unit);
        made.count = 1;
        if (options.ignoreCase && folding.folded[unit] != unit) {
            made.count = 0;  // not in a ring of its own: leave it to the unit-by-unit search
        } else if (options.ignoreCase) {
            // Every other unit whose folding is `unit`, round its ring.
            for (char16_t c = folding.alike[unit]; c != unit; c = folding.alike[c]) {
                if (made.count == 4) {
                    made.count = 0;
                    break;
                }
                made.units[size_t(made.count++)] = c;
            }
        }
        return made;
    };
    first_ = anchor(0);
    last_ = anchor(pattern_.size() - 1);
}

size_t TextSearch::MatchEnd(std::u16string_view text, size_t start) const {
    const size_t size = pattern_.size();
    const char16_t* fold = options_.ignoreCase ? Folding().folded : nullptr;
    if (!options_.ignoreSpacing) {
        if (text.size() - start < size) {
            return 0;
        }
        const char16_t* at = text.data() + start;
        if (fold == nullptr) {
            return std::memcmp(at, pattern_.data(), size * sizeof(char16_t)) == 0 ? start + size
                                                                                  : 0;
        }
        for (size_t k = 0; k < size; ++k) {
            if (fold[at[k]] != pattern_[k]) {
                return 0;
            }
        }
        return start + size;
    }
    // The pattern's units one after another, white space skipped between them.
    size_t t = start;
    for (size_t k = 0; k < size; ++k, ++t) {
        if (k > 0) {
            while (t < text.size() && IsSearchSpace(text[t])) {
                ++t;
            }
        }
        if (t == text.size() || (fold ? fold[text[t]] : text[t]) != pattern_[k]) {
            return 0;
        }
    }
    return t;
}

namespace {

// Runs `scan` with the filter for the anchors: the last one too when `two`, four values compared
// when an anchor stands for more than one unit.
template <class Scan>
std::optional<size_t> WithFilter(const auto& first, const auto& last, bool two, Scan scan) {
    if (first.count == 0) {
        return scan(PassAll{});
    }
    const bool many = first.count > 1 || (two && last.count > 1);
    if (two) {
        return many ? scan(Filter<4, true>(first.units, first.index, last.units, last.index))
                    : scan(Filter<1, true>(first.units, first.index, last.units, last.index));
    }
    return many ? scan(Filter<4, false>(first.units, first.index, last.units, last.index))
                : scan(Filter<1, false>(first.units, first.index, last.units, last.index));
}

}  // namespace

std::optional<TextSpan> TextSearch::Find(std::u16string_view text, size_t lo, size_t hi,
                                         bool backward) const {
    // Starts that leave no room for the pattern cannot match: a match is at least as long.
    hi = text.size() < pattern_.size() ? 0 : std::min(hi, text.size() - pattern_.size() + 1);
    if (pattern_.empty() || lo >= hi) {
        return std::nullopt;
    }
    size_t end = 0;
    const auto accept = [&](size_t start) { return (end = MatchEnd(text, start)) != 0; };
    // The last unit stands at a known distance from the first only without white space skipped.
    const bool two = !options_.ignoreSpacing && pattern_.size() > 1 && last_.count > 0;
    const std::optional<size_t> start = WithFilter(first_, last_, two, [&](const auto& filter) {
        return backward ? ScanBackward(filter, text.data(), lo, hi, accept)
                        : ScanForward(filter, text.data(), lo, hi, accept);
    });
    if (!start) {
        return std::nullopt;
    }
    return TextSpan{int32_t(*start), int32_t(end - *start)};
}

}  // namespace sorna
