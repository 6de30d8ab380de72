#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "ViewTestSupport.h"
#include "view/LineBreaker.h"

namespace sorna {
namespace {

using test::EntriesOf;
using Entries = std::vector<int32_t>;

// Every narrow code unit `narrow` pixels wide, every wide one `wide`, line ends none.
CharMetrics Widths(int32_t narrow = 10, int32_t wide = 20) {
    CharMetrics metrics;
    metrics.charWidths.fill(narrow);
    metrics.charWidths[u'\n'] = 0;
    metrics.charWidths[u'\r'] = 0;
    metrics.wideWidth = wide;
    return metrics;
}

Entries Break(std::u16string_view text, int64_t available, const CharMetrics& metrics = Widths()) {
    LineTable lines;
    EXPECT_TRUE(BreakLines(text.data(), int32_t(text.size()), metrics, {available, true}, lines));
    return EntriesOf(lines);
}

// Wherever the line ends among the code units summed together, a run that fills the width
// exactly still fits and one pixel less does not.
TEST(LineBreaker, AnExactFitFitsWhereverTheLineEnds) {
    for (int32_t n = 1; n <= 12; ++n) {
        const std::u16string letters = std::u16string(n, u'a') + u" bbbb";
        EXPECT_EQ(Break(letters, 10 * n + 50), (Entries{0, n + 5, n + 5})) << n;
        EXPECT_EQ(Break(letters, 10 * n + 49), (Entries{0, n + 1, n + 5, n + 5})) << n;
        const std::u16string syllables(n, u'가');
        EXPECT_EQ(Break(syllables, 20 * n), (Entries{0, n, n})) << n;
        EXPECT_EQ(Break(syllables, 20 * n - 1), (Entries{0, n - 1, n, n})) << n;
    }
}

// The line a NUL starts is as wide as the whole run before it, so what follows may not fit.
// NULs that reach the end are one run with the terminator and take no room on that line.
TEST(LineBreaker, TheLineANulStartsIsAsWideAsTheRunBeforeIt) {
    const std::u16string_view text(u"aaaaaa\0b", 8);
    EXPECT_EQ(Break(text, 75), (Entries{0, 6, 7, 8, 8}));
    EXPECT_EQ(Break(text, 80), (Entries{0, 6, 8, 8}));
    EXPECT_EQ(Break(std::u16string_view(u"ab\0\0", 4), 25), (Entries{0, 2, 4}));
}

// A run that passes the edge does not fit, even when the widths after it would bring the line
// back within it.
TEST(LineBreaker, NegativeWidthsDoNotHideARunThatOverflows) {
    CharMetrics metrics = Widths();
    metrics.charWidths[u'z'] = 25;
    metrics.charWidths[u' '] = -20;
    EXPECT_EQ(Break(u"zz  b", 30, metrics), (Entries{0, 0, 5, 5}));
}

// Lines far wider than any screen: widths add up past 32 bits, and line feeds still end lines.
TEST(LineBreaker, HugeWidthsAndLines) {
    const CharMetrics metrics = Widths(std::numeric_limits<int32_t>::max());
    const std::u16string text =
        std::u16string(2000, u'a') + u' ' + std::u16string(2000, u'b') + u"\nc";
    EXPECT_EQ(Break(text, int64_t{1} << 50, metrics), (Entries{0, 4002, 4003, 4003}));
    EXPECT_EQ(Break(text, int64_t{1} << 42, metrics), (Entries{0, 2001, 4002, 4003, 4003}));
    EXPECT_EQ(Break(u"\nc", int64_t{1} << 50), (Entries{0, 1, 2, 2}));
}

}  // namespace
}  // namespace sorna
