#include <gtest/gtest.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "view/FindAllScan.h"
#include "view/TextSearch.h"

namespace sorna {

void PrintTo(const TextSpan& span, std::ostream* out) {
    *out << "{" << span.offset << ", " << span.length << "}";
}

namespace {

constexpr SearchOptions kExact{};
constexpr SearchOptions kCase{.ignoreCase = true};
constexpr SearchOptions kSpacing{.ignoreSpacing = true};
constexpr SearchOptions kBoth{.ignoreCase = true, .ignoreSpacing = true};

// Text, pattern, options, and the first occurrence.
using Case =
    std::tuple<std::u16string_view, std::u16string_view, SearchOptions, std::optional<TextSpan>>;
const Case kCases[] = {
    {u"abcabc", u"bc", kExact, TextSpan{1, 2}},
    {u"xxab", u"ab", kExact, TextSpan{2, 2}},
    {u"ab", u"abc", kExact, std::nullopt},
    {u"ab", u"", kExact, std::nullopt},
    {u"ABC", u"abc", kExact, std::nullopt},
    {u"a b", u" ", kExact, TextSpan{1, 1}},
    {u"a𝄞b", u"𝄞b", kExact, TextSpan{1, 3}},
    {u"xx abc", u"ABC", kCase, TextSpan{3, 3}},
    {u"ΣΟΦΙΑ", u"σοφια", kCase, TextSpan{0, 5}},
    {u"한글 문서", u"문자", kCase, std::nullopt},
    {u"\u212Aeep ſun", u"KEEP SUN", kCase, TextSpan{0, 8}},
    {u"x𝄞Ab", u"𝄞aB", kCase, TextSpan{1, 4}},
    {u"하나 님의", u"하나님의", kSpacing, TextSpan{0, 5}},
    {u"하나님 의", u"하나님의", kSpacing, TextSpan{0, 5}},
    {u"하나\n님의", u"하나님의", kSpacing, TextSpan{0, 5}},
    {u"그 하나\r\n님의 말씀", u"하나님의", kSpacing, TextSpan{2, 6}},
    {u"하\u3000나\u00A0님\t의", u"하나님의", kSpacing, TextSpan{0, 7}},
    {u"하나님", u" 하나 님 ", kSpacing, TextSpan{0, 3}},
    {u"  하나님  ", u"하나님", kSpacing, TextSpan{2, 3}},
    {u"xx a  b", u"ab", kSpacing, TextSpan{3, 4}},
    {u"하나 님의", u"하나님의", kExact, std::nullopt},
    {u"하나", u" \t\u3000", kSpacing, std::nullopt},
    {u"ab", u"a b c", kSpacing, std::nullopt},
    {u"x𝄞 \n𝄞", u"𝄞𝄞", kSpacing, TextSpan{1, 6}},
    {u"A b\nC", u"a BC", kBoth, TextSpan{0, 5}},
};

TEST(TextSearch, FindsTheFirstOccurrenceOfEachCase) {
    for (size_t n = 0; n < std::size(kCases); ++n) {
        const auto& [text, pattern, options, first] = kCases[n];
        const TextSearch search(pattern, options);
        EXPECT_EQ(search.Next(text, 0), first) << "case " << n;
        // A pattern finds itself unless there is nothing to look for.
        EXPECT_EQ(search.Empty(), !search.Next(pattern, 0)) << "case " << n;
    }
}

TEST(TextSearch, PreviousTakesStartsBeforeItsOffsetOnly) {
    const TextSearch search(u"ab", kExact);
    const std::pair<size_t, std::optional<TextSpan>> kBefore[] = {
        {99, TextSpan{2, 2}}, {3, TextSpan{2, 2}}, {2, TextSpan{0, 2}}, {0, std::nullopt}};
    for (const auto& [before, hit] : kBefore) {
        EXPECT_EQ(search.Previous(u"abab", before), hit) << before;
    }
    EXPECT_EQ(search.Next(u"abab", 9), std::nullopt);
}

// Every occurrence, overlapping ones too, found by squeezing the white space out of the text
// and searching what is left unit by unit.
std::vector<TextSpan> Reference(std::u16string_view text, std::u16string_view pattern,
                                SearchOptions options) {
    std::vector<size_t> at;
    const auto squeeze = [&](std::u16string_view units) {
        std::u16string squeezed;
        at.clear();
        for (size_t i = 0; i < units.size(); ++i) {
            if (!options.ignoreSpacing || !IsSearchSpace(units[i])) {
                const UChar32 f = u_foldCase(units[i], U_FOLD_CASE_DEFAULT);
                squeezed += options.ignoreCase && f < 0x10000 ? char16_t(f) : units[i];
                at.push_back(i);
            }
        }
        return squeezed;
    };
    const std::u16string word = squeeze(pattern);
    const std::u16string squeezed = squeeze(text);
    std::vector<TextSpan> hits;
    for (size_t i = squeezed.find(word); !word.empty() && i != std::u16string::npos;
         i = squeezed.find(word, i + 1)) {
        hits.push_back({int32_t(at[i]), int32_t(at[i + word.size() - 1] + 1 - at[i])});
    }
    return hits;
}

// Letters that fold alike (s S ſ, k K K), spaces of each kind and Hangul, in random order.
std::u16string RandomText(size_t size) {
    const std::u16string_view units = u"aAbsSſkK\u212A \n\r\t\u3000\u00A0하나님의";
    std::mt19937 random(20240517);
    std::u16string text;
    for (size_t i = 0; i < size; ++i) {
        text += units[random() % (i % 64 < 32 ? 4 : units.size())];
    }
    return text;
}

const std::u16string_view kPatterns[] = {u"a",  u"aa",      u"ab",       u"aAb",
                                         u"sk", u"kss",     u"하나님의", u"a b",
                                         u" ",  u"s\u212A", u"aaabaa",   u"babababbabaab"};
const SearchOptions kAllOptions[] = {kExact, kCase, kSpacing, kBoth};

// Next and Previous walked over the text, and every occurrence found a stretch at a time at
// several stretch sizes, each against the plain search.
TEST(TextSearch, FindsWhatAPlainSearchFindsHoweverItIsAsked) {
    const std::u16string text = RandomText(4000);
    for (const std::u16string_view pattern : kPatterns) {
        for (const SearchOptions options : kAllOptions) {
            SCOPED_TRACE(testing::Message() << pattern.size() << " units, case "
                                            << options.ignoreCase << options.ignoreSpacing);
            const std::vector<TextSpan> all = Reference(text, pattern, options);
            const TextSearch search(pattern, options);
            std::vector<TextSpan> forward, backward, apart;
            for (auto hit = search.Next(text, 0); hit; hit = search.Next(text, hit->offset + 1)) {
                forward.push_back(*hit);
            }
            for (auto hit = search.Previous(text, text.size()); hit;
                 hit = search.Previous(text, hit->offset)) {
                backward.insert(backward.begin(), *hit);
            }
            EXPECT_EQ(forward, all);
            EXPECT_EQ(backward, all);
            // Every occurrence that overlaps none before it.
            for (const TextSpan hit : all) {
                if (apart.empty() || hit.offset >= apart.back().offset + apart.back().length) {
                    apart.push_back(hit);
                }
            }
            FindAllScan whole(search, text, size_t(-1));
            EXPECT_FALSE(whole.Step(text.size()));
            EXPECT_EQ(whole.Hits(), apart);
            const int32_t longest =
                all.empty() ? 0 : std::ranges::max(all, {}, &TextSpan::length).length;
            const std::vector<TextSpan> kept(apart.begin(),
                                             apart.begin() + std::min<size_t>(5, apart.size()));
            for (const size_t units : {1, 2, 3, 7, 13, 31, 97}) {
                FindAllScan scan(search, text, 5);
                for (size_t scanned = 0; !scan.Done(); scanned = scan.Scanned()) {
                    const bool more = scan.Step(units);
                    EXPECT_EQ(more, !scan.Done());
                    ASSERT_GT(scan.Scanned(), scanned);
                    ASSERT_LE(scan.Scanned(), scanned + units + size_t(longest));
                }
                EXPECT_EQ(scan.Count(), whole.Count()) << units;
                EXPECT_EQ(scan.Hits(), kept) << units;
            }
        }
    }
}

}  // namespace
}  // namespace sorna
