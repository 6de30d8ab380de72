#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ViewTestSupport.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::EntriesOf;
using test::FixedMetricsDevice;
using test::SetText;
using Entries = std::vector<int32_t>;

// Lays `text` out with narrow letters 10 and wide ones 20 pixels wide on `available` pixels.
Entries LayOut(std::u16string_view text, int32_t available, bool removeLineStartSpace = true,
               FixedMetricsDevice device = FixedMetricsDevice()) {
    TextView view(device);
    view.SetTextArea({0, 0, available + 3, 320}, false);  // the bar takes 3 pixels
    view.SetOptions(false, removeLineStartSpace);
    SetText(view.Document(), text);
    EXPECT_TRUE(view.Layout(nullptr));
    return EntriesOf(view.Lines());
}

TEST(Layout, LineFeedsEndTheirLinesAndBlankLinesAreLineFeeds) {
    EXPECT_EQ(LayOut(u"ab\ncd", 1000), (Entries{0, 3, 5, 5}));
    EXPECT_EQ(LayOut(u"a\n\nb\n", 1000), (Entries{0, 2, 3, 5}));
    EXPECT_EQ(LayOut(u"a\r\n\r\nb", 1000), (Entries{0, 3, 5, 6, 6}));
    // A text ending with a line feed has no empty last line.
    EXPECT_EQ(LayOut(u"ab\n", 1000), (Entries{0, 3}));
    EXPECT_EQ(LayOut(u"\n\n", 1000), (Entries{0, 1, 2}));
}

TEST(Layout, RunsThatDoNotFitStartTheNextLine) {
    EXPECT_EQ(LayOut(u"aaa bbb", 60), (Entries{0, 4, 7, 7}));
    // A break can fall between a word and the comma after it.
    EXPECT_EQ(LayOut(u"aaaa,bb", 45), (Entries{0, 4, 7, 7}));
    // Break marks form runs of their own: a path wraps at its punctuation.
    EXPECT_EQ(LayOut(u"usr/local", 35), (Entries{0, 3, 4, 9, 9}));
}

TEST(Layout, KoreanWrapsBetweenSyllables) {
    EXPECT_EQ(LayOut(u"가나다라마바사아자차", 70), (Entries{0, 3, 6, 9, 10, 10}));
    EXPECT_EQ(LayOut(u"ab가나", 50), (Entries{0, 3, 4, 4}));
}

TEST(Layout, ARunWiderThanTheLineStandsAloneUnsplit) {
    EXPECT_EQ(LayOut(u"ab cdefghij kl", 50), (Entries{0, 3, 12, 14, 14}));
    // As the very first run it leaves line 0 empty.
    EXPECT_EQ(LayOut(u"abcdefgh ij", 50), (Entries{0, 0, 9, 11, 11}));
}

TEST(Layout, SpacesPastTheEdgeHangWithoutBreaking) {
    EXPECT_EQ(LayOut(u"aaaa   bb", 50), (Entries{0, 7, 9, 9}));
    // A space after a line feed that would overflow hangs on the line before.
    EXPECT_EQ(LayOut(u"aaaaa\n b", 50), (Entries{0, 7, 8, 8}));
}

TEST(Layout, ARunAfterAHangingSpaceStartsTheNextLine) {
    FixedMetricsDevice narrowI;
    narrowI.metrics.charWidths[u'i'] = 5;
    // It would fit beside the space's edge, but would be drawn past it.
    EXPECT_EQ(LayOut(u"aaaa i", 45, true, narrowI), (Entries{0, 5, 6, 6}));
    // Behind the line feed it would never be shown.
    for (const bool removeLineStartSpace : {true, false}) {
        EXPECT_EQ(LayOut(u"aaaa\n i", 45, removeLineStartSpace, narrowI), (Entries{0, 6, 7, 7}));
    }
    // A blank line after a hanging space stays a line of its own.
    EXPECT_EQ(LayOut(u"aaaaa\n \r\nb", 50, false), (Entries{0, 7, 9, 10, 10}));
    // Further spaces hang too, a carriage return included.
    EXPECT_EQ(LayOut(u"aaaaa  \r\nb", 50, false), (Entries{0, 9, 10, 10}));
}

TEST(Layout, LeadingSpacesCollapseOnlyWhenAsked) {
    EXPECT_EQ(LayOut(u"a\n    x", 1000, true), (Entries{0, 5, 7, 7}));
    EXPECT_EQ(LayOut(u"a\n    x", 1000, false), (Entries{0, 2, 7, 7}));
    EXPECT_EQ(LayOut(u"a\n x", 1000, true), (Entries{0, 2, 4, 4}));
    // The collapsed space is counted on its new line.
    EXPECT_EQ(LayOut(u"a\n   bcd", 35, true), (Entries{0, 4, 5, 8, 8}));
    EXPECT_EQ(LayOut(u"a\n   bcd", 40, true), (Entries{0, 4, 8, 8}));
}

TEST(Layout, WidthRule) {
    // U+0100 joins a word as a letter but is as wide as a syllable.
    EXPECT_EQ(LayOut(u"x a\u0100b", 55), (Entries{0, 2, 5, 5}));
    // Carriage returns take no room.
    EXPECT_EQ(LayOut(u"ab\rcd", 45), (Entries{0, 5, 5}));
}

TEST(Layout, ANulInsideTheTextStartsALine) {
    EXPECT_EQ(LayOut(std::u16string_view(u"ab\0cd", 5), 1000), (Entries{0, 2, 5, 5}));
    // Trailing NULs are one run with the terminator.
    EXPECT_EQ(LayOut(std::u16string_view(u"ab\0\0", 4), 1000), (Entries{0, 2, 4}));
}

TEST(Layout, DegenerateWidthsStillEndWithTheLength) {
    for (int32_t available : {0, -3, -1000}) {
        const Entries entries = LayOut(u"ab cd\n가나", available);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.back(), 8) << available;
        EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end())) << available;
    }
}

}  // namespace
}  // namespace sorna
