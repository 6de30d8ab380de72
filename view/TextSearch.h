#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "view/TextSpan.h"

namespace sorna {

struct SearchOptions {
    // Each code unit compared by its simple case folding, so Hangul matches exactly.
    bool ignoreCase = false;
    // 띄어쓰기 무시: white space in the pattern is dropped, and white space in the text between
    // the pattern's units is skipped.
    bool ignoreSpacing = false;

    bool operator==(const SearchOptions&) const = default;
};

// White space as ignoring the spacing sees it: space, tab, CR, LF, U+00A0 no-break space and
// U+3000 ideographic space.
constexpr bool IsSearchSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0' || c == u'\u3000';
}

// A word to look for in a text, as the reader's find sees it. A match starts and ends on a unit
// of the pattern; when the spacing is ignored, its span also covers the white space skipped
// inside it. Texts are shorter than 2^31 code units.
class TextSearch {
public:
    TextSearch(std::u16string_view pattern, SearchOptions options);

    // Nothing to look for: an empty pattern, or one of white space only when spacing is ignored.
    [[nodiscard]] bool Empty() const { return pattern_.empty(); }

    // The first occurrence that starts at or after `from`.
    std::optional<TextSpan> Next(std::u16string_view text, size_t from) const {
        return Next(text, from, text.size());
    }
    // The first occurrence that starts at or after `from` and before `until`; it may end after
    // `until`. Only starts before `until` are looked at, so a search can go a stretch at a time.
    std::optional<TextSpan> Next(std::u16string_view text, size_t from, size_t until) const {
        return Find(text, from, until, false);
    }
    // The last occurrence that starts before `before`.
    std::optional<TextSpan> Previous(std::u16string_view text, size_t before) const {
        return Find(text, 0, before, true);
    }

private:
    // Up to four code units that a unit of the text may be to stand for one unit of the
    // pattern: itself, and with case ignored every unit that folds to it.
    struct Anchor {
        size_t index = 0;  // in the pattern
        std::array<char16_t, 4> units{};
        int count = 0;  // 0 when there would be more than four: every start is tried instead
    };

    // The first, or with `backward` the last, occurrence that starts in [lo, hi).
    std::optional<TextSpan> Find(std::u16string_view text, size_t lo, size_t hi,
                                 bool backward) const;
    // The end of a match that starts at `start`, or 0 when none does.
    size_t MatchEnd(std::u16string_view text, size_t start) const;

    std::u16string pattern_;  // folded when case is ignored, without white space when spacing is
    SearchOptions options_;
    // The units a scan looks for first: the pattern's first unit and, when it is matched unit by
    // unit, its last.
    Anchor first_;
    Anchor last_;
};

}  // namespace sorna
