#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/ViewTestSupport.h"
#include "view/AutoScrollPace.h"
#include "view/PageFooter.h"
#include "view/PagePlan.h"
#include "view/PositionBar.h"

namespace sorna {
namespace {

// Letters 10 pixels wide, syllables 20, rows 20 pixels high; the default text area is
// 240 x 320.
class TextViewTest : public testing::Test {
protected:
    void LayOut(std::u16string_view text) {
        view.ClearDocument();
        test::SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
    }

    test::FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(TextViewTest, OnlyWhatTheWrappingDependsOnNeedsALayout) {
    LayOut(u"text");
    view.SetColors({0x0000FF, 0xFFFFFF});
    view.SetTextArea({10, 0, 250, 200}, false);  // same width, other height
    view.SetOptions(true, true);                 // smooth scrolling
    EXPECT_FALSE(view.LayoutNeeded());
    // Each a change of its own; once the font is rotated, the height wraps.
    const ViewRect taller{10, 0, 250, 300};
    const std::function<void()> changes[] = {
        [&] { view.SetFont(u"Tahoma", 15, false, false); },
        [&] { view.SetFont(u"Tahoma", 16, false, false); },
        [&] { view.SetFont(u"Tahoma", 16, false, true); },
        [&] { view.SetFont(u"Tahoma", 16, true, true); },
        [&] { view.SetTextArea(taller, false); },
        [&] { view.SetOptions(true, false); },
        [&] { view.SetLineSpacing(9); },
    };
    for (size_t n = 0; n < std::size(changes); ++n) {
        changes[n]();
        EXPECT_TRUE(view.LayoutNeeded()) << n;
        ASSERT_TRUE(view.Layout(nullptr));
        ASSERT_FALSE(view.LayoutNeeded());
    }
}

TEST_F(TextViewTest, ARelayoutKeepsTheTopLineInsideTheTable) {
    view.SetTextArea({0, 0, 43, 320}, false);  // four letters a line
    LayOut(u"aaaa bbbb cccc dddd");
    ASSERT_TRUE(view.SetTopLine(view.Lines().Count() - 1));
    view.SetTextArea({0, 0, 1000, 320}, false);
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.TopLine(), view.Lines().Count() - 1);
    EXPECT_EQ(view.TopOffset(), 19);
}

// 100 lines of 8 code units.
TEST_F(TextViewTest, ScrollsAndJumpsStayInsideTheTableAndRepaintOncePerStep) {
    std::u16string text;
    for (int i = 0; i < 100; ++i) {
        text += u"line 00\n";
    }
    LayOut(text);
    device.repaints = 0;
    view.ScrollLines(INT_MAX);
    EXPECT_EQ(view.TopLine(), 100);  // the closing entry: an empty last page
    view.ScrollLines(INT_MIN);
    EXPECT_EQ(view.TopLine(), 0);
    view.ScrollLines(0);
    EXPECT_EQ(device.repaints, 3);  // an unchanged page included
    EXPECT_FALSE(view.SetTopLine(101));
    EXPECT_FALSE(view.SetTopLine(-1));

    // Smooth scrolling paints every line it passes, and no page beyond the closing entry.
    view.SetOptions(true, true);
    ASSERT_TRUE(view.SetTopLine(97));
    device.repaints = 0;
    view.ScrollLines(10);
    view.ScrollLines(-2);
    EXPECT_EQ(view.TopLine(), 98);
    EXPECT_EQ(device.repaints, 5);

    EXPECT_EQ(view.FindLine(5), 0);  // inside line 0, never line 1
    EXPECT_EQ(view.FindLine(8), 1);
    EXPECT_EQ(view.FindLine(800), 99);  // the text length gives the last line
    EXPECT_EQ(view.FindLine(801), std::nullopt);
    EXPECT_TRUE(view.GoToOffset(8 * 42 + 3));
    EXPECT_EQ(view.TopLine(), 42);
    EXPECT_FALSE(view.GoToOffset(-1));
    EXPECT_FALSE(view.GoToOffset(801));
    EXPECT_EQ(view.TopLine(), 42);
}

// Two spaces, then letters from 20 pixels on; syllables, then a wide ideographic space.
TEST_F(TextViewTest, LineTextAndTheWordUnderATapInBothOrientations) {
    LayOut(u"  hello, world \t\r\n가나다 라\u3000\n");
    EXPECT_EQ(view.LineText(0), u"hello, world");
    EXPECT_EQ(view.LineText(1), u"가나다 라");
    EXPECT_EQ(view.LineText(2), u"");
    EXPECT_EQ(view.LineText(-1), u"");
    EXPECT_EQ(view.WordAt(70, 5).word, u"hello");  // the o's right edge, the comma's left
    EXPECT_EQ(view.WordAt(30, 25).word, u"가나다");
    EXPECT_EQ(view.WordAt(85, 5).wordClass, CharClass::Space);  // the space after the comma
    EXPECT_EQ(view.WordAt(200, 5).word, u"");                   // past the end of the line
    EXPECT_EQ(view.WordAt(25, 45).word, u"");                   // no third line

    // Rotated: the row from x, the position upward from the bottom.
    view.SetFont(u"굴림", 15, true, false);
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.WordAt(5, 320 - 45).word, u"hello");
    EXPECT_EQ(view.WordAt(25, 320 - 30).word, u"가나다");
}

// Stepping from hit to hit is left to the find dialog's tests.
TEST_F(TextViewTest, FindNextBringsTheLineWhereTheMatchBeginsToTheTop) {
    LayOut(std::u16string_view(u"top\nbefore\0after target\n", 24));
    for (const bool ignoreCase : {false, true}) {
        ASSERT_TRUE(view.SetTopLine(0));
        EXPECT_TRUE(view.FindNext(TextSearch(ignoreCase ? u"TARGET" : u"target", {ignoreCase})));
        EXPECT_EQ(view.TopOffset(), 10);  // the line that the NUL began
    }
    view.SetTextArea({0, 0, 63, 320}, false);  // six letters a line
    LayOut(u"top\nsearch string\n");
    ASSERT_EQ(view.LineChars(1), u"search ");
    EXPECT_TRUE(view.FindNext(TextSearch(u"ch str", {})));
    EXPECT_EQ(view.TopLine(), 1);
    // The occurrence is shown on each row it spans, as far along as it is drawn, until the page
    // moves.
    EXPECT_EQ(PlanPage(view, 63).highlights,
              (std::vector<PageHighlight>{{{40, 0, 70, 20}, 0}, {{0, 20, 30, 40}, 1}}));
    view.ScrollLines(0);
    EXPECT_TRUE(PlanPage(view, 63).highlights.empty());
}

// A wrapped line spreads its room over its spaces, or between its characters when it has none;
// a paragraph's last line stays as it is. Taps and a found word follow the characters.
TEST_F(TextViewTest, JustifiedLinesSpreadTheirRoomAndTapsAndFindsFollowIt) {
    const std::u16string_view text =
        u"aaaa bbbb cccc dddd eeee ffff gggg\n가나다라마바사아자차카타파하\n";
    LayOut(text);
    ASSERT_EQ(view.LineChars(0), u"aaaa bbbb cccc dddd ");
    EXPECT_EQ(view.JustificationOf(0), Justification{});  // off by default
    EXPECT_TRUE(view.WordAt(205, 5).word.empty());
    view.SetReadingAids({.justify = true});
    EXPECT_FALSE(view.LayoutNeeded());
    // 237 pixels of room, 190 written before the trailing space: 47 over three spaces.
    EXPECT_EQ(view.JustificationOf(0), (Justification{47.0 / 3, 0}));
    EXPECT_EQ(view.JustificationOf(1), Justification{});                // ends its paragraph
    EXPECT_EQ(view.JustificationOf(2), (Justification{0, 17.0 / 10}));  // 11 syllables, 220
    EXPECT_EQ(PlanPage(view, 240).rows[0].justification, view.JustificationOf(0));
    EXPECT_EQ(view.WordAt(205, 5).word, u"dddd");  // drawn from 197 on
    EXPECT_TRUE(view.ShowFound({15, 4}));
    EXPECT_EQ(PlanPage(view, 240).highlights.at(0).rect, (ViewRect{197, 0, 237, 20}));
}

// A limited column is centred in a wide area, and the percentage read sits below the text.
TEST_F(TextViewTest, ReadingAidsCentreAColumnOfLimitedWidthAndShowThePercentageRead) {
    view.SetTextArea({0, 0, 1003, 320}, false);
    view.SetReadingAids({.columnLimit = 40, .showPercent = true});
    LayOut(std::u16string(100, u'가'));
    EXPECT_EQ(view.LineChars(0).size(), 40u);
    ASSERT_TRUE(view.SetTopLine(1));
    const PagePlan plan = PlanPage(view, 1003);
    EXPECT_EQ(plan.rows[0].rect, (ViewRect{100, 0, 900, 20}));
    EXPECT_EQ(plan.percent, u"1 / 1쪽 · 40.0%");
    EXPECT_EQ(plan.percentArea, (ViewRect{0, 320, 1003, 335}));
    EXPECT_FALSE(view.WordAt(120, 10).word.empty());
    EXPECT_TRUE(view.WordAt(90, 10).word.empty());
}

// Areas without height, a font measuring no height, and hand-edited spacings that cancel the
// font's height: a page without a whole row shows no rows, no word and no letters, and a tap on
// the bar stays inside the table.
TEST(DegenerateGeometry, PagesWithoutRoomForARowShowNothing) {
    struct Case {
        ViewRect area;
        int32_t height, spacing;
    };
    for (const auto& [area, height, spacing] : {Case{{0, 0, 240, 0}, 16, 4},
                                                {{50, 50, 10, 10}, 16, 4},
                                                {{0, 0, 240, 320}, 0, 0},
                                                {{0, 0, 240, 320}, 16, -40}}) {
        test::FixedMetricsDevice device(10, 20, height);
        TextView view(device);
        view.SetTextArea(area, false);
        view.SetLineSpacing(spacing);
        test::SetText(view.Document(), u"some words\n가나다\n");
        ASSERT_TRUE(view.Layout(nullptr));
        view.JumpToBar(100);
        EXPECT_LT(view.TopLine(), view.Lines().Count());
        EXPECT_EQ(view.LinesPerPage(), 0);
        EXPECT_TRUE(PlanPage(view, 240).rows.empty());
        EXPECT_EQ(view.WordAt(10, 10).word, u"");
        EXPECT_EQ(view.CountLetters(), std::nullopt);
        if (height + spacing <= 0) {
            EXPECT_EQ(view.RowAt(10, 10), -1);
        }
    }
}

// Rows 20 pixels high in the text area (10, 20)-(230, 300) of a client area 240 pixels wide. The
// bar's side loses 3 pixels; rotated rows are strips from the left, read upward.
TEST_F(TextViewTest, PageRowsInEveryOrientationShowNothingAfterALineEnd) {
    for (const auto& [rotated, leftBar, first, second, barLeft] :
         {std::tuple{false, false, ViewRect{10, 20, 227, 40}, ViewRect{10, 40, 227, 60}, 237},
          {false, true, {13, 20, 230, 40}, {13, 40, 230, 60}, 0},
          {true, false, {10, 20, 30, 300}, {30, 20, 50, 300}, 237},
          {true, true, {13, 20, 33, 300}, {33, 20, 53, 300}, 0}}) {
        SCOPED_TRACE(testing::Message() << rotated << leftBar);
        view.SetFont(u"굴림", 15, rotated, false);
        view.SetTextArea({10, 20, 230, 300}, leftBar);
        LayOut(u"one\r\ntwo\rhidden\n");
        const PagePlan plan = PlanPage(view, 240);
        EXPECT_EQ(plan.upward, rotated);
        EXPECT_EQ(plan.rows, (std::vector<PageRow>{{first, u"one", {}}, {second, u"two", {}}}));
        EXPECT_EQ(plan.positionBar.at(0).rect, (ViewRect{barLeft, 20, barLeft + 3, 300}));
    }
    // A joined line end shows as a space, and rows reach 40 pixels further, for hanging marks.
    view.SetReadingAids({true, true});
    LayOut(u"one\r\ntwo\rhidden\n");
    EXPECT_EQ(PlanPage(view, 240).rows.at(0), (PageRow{{13, -20, 33, 300}, u"one two", {}}));
}

// Before a layout there is no page, no bar and nothing to go to, and steps taken then leave the
// top line usable. Then 30 lines and the closing entry: a page holds whole rows only and never
// the closing entry, and the bar fills in proportion to the top line.
TEST_F(TextViewTest, ThePageAndItsBarFromNoLinesToTheLast) {
    EXPECT_FALSE(view.GoToOffset(0));
    EXPECT_FALSE(view.FindNext(TextSearch(u"a", {})));
    view.ScrollLines(3);
    EXPECT_EQ(view.TopLine(), 0);
    view.JumpToBar(100);
    EXPECT_EQ(view.TopOffset(), -1);
    EXPECT_EQ(view.CountLetters(), std::nullopt);
    const PagePlan none = PlanPage(view, 240);
    EXPECT_TRUE(none.rows.empty() && none.positionBar.empty());
    view.SetTextArea({10, 20, 230, 300}, false);
    test::SetText(view.Document(), std::u16string(30, u'\n'));
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.TopOffset(), 0);
    for (const auto& [topLine, rows, fillBottom] :
         {std::tuple{0, 14u, 20}, {15, 14u, 160}, {20, 10u, 206}, {30, 0u, 300}}) {
        ASSERT_TRUE(view.SetTopLine(topLine));
        const PagePlan plan = PlanPage(view, 240);
        EXPECT_EQ(plan.rows.size(), rows) << topLine;
        EXPECT_EQ(plan.positionBar, (std::vector<PageFill>{{{237, 20, 240, 300}, 0x505050},
                                                           {{237, 20, 240, fillBottom}, 0xC0FFC0}}))
            << topLine;
    }
}

// A million lines: the tap position times the entry count, and the bar height times the line
// number, both pass 32 bits.
TEST_F(TextViewTest, LongDocumentsDoNotOverflowTheBarArithmetic) {
    view.SetTextArea({0, 0, 1080, 4000}, false);
    LayOut(std::u16string(1000000, u'\n'));
    ASSERT_EQ(view.Lines().Count(), 1000001);
    view.JumpToBar(3000);
    EXPECT_EQ(view.TopLine(), 750000);
    EXPECT_EQ(PlanPage(view, 1080).positionBar.at(1).rect, (ViewRect{1077, 0, 1080, 3000}));
    // A table of one entry fills nothing rather than dividing by zero.
    EXPECT_EQ(PositionBarRects(1080, view.TextArea(), true, 0, 1).filled, (ViewRect{0, 0, 3, 0}));
}

TEST(AutoScrollPace, ALineStaysItsLettersTimesTheSpeedAcrossATickWrap) {
    constexpr auto kWait = AutoScrollAction::Wait;
    constexpr auto kStep = AutoScrollAction::Step;
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 600, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 601, 50), kStep);
    EXPECT_EQ(DecideAutoScroll(0, 1000, 1100, 50), kStep);  // a blank line passes at the next tick
    EXPECT_EQ(DecideAutoScroll(std::nullopt, 1000, 99999, 50), AutoScrollAction::Stop);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x20u, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x60u, 50), kStep);
    // Hand-edited speeds: below zero steps at once, a huge product does not overflow into a step.
    EXPECT_EQ(DecideAutoScroll(10, 5000, 5001, -100), kStep);
    EXPECT_EQ(DecideAutoScroll(INT_MAX, 0, 0xFFFFFFFFu, INT_MAX), kWait);
}

// Ten lines, four a page: steps of four start pages at 0 and 4, and the last page ends with the
// last line wherever it starts; a line between two steps belongs to the page it started in.
TEST(PageNumbers, CountAsThePageStepTurnsAndTheLastPageEndsWithTheLastLine) {
    const std::tuple<int32_t, int32_t, int32_t, PageNumbers> pages[] = {
        {0, 4, 4, {1, 3}},   {3, 4, 4, {1, 3}},  {4, 4, 4, {2, 3}}, {5, 4, 4, {2, 3}},
        {6, 4, 4, {3, 3}},   {9, 4, 4, {3, 3}},  {3, 4, 3, {2, 3}}, {5, 4, 3, {2, 3}},
        {0, 12, 12, {1, 1}}, {0, 0, 1, {1, 10}}, {-1, 4, 0, {1, 7}}};
    for (const auto& [top, perPage, step, numbers] : pages) {
        EXPECT_EQ(CountPages(top, 10, perPage, step), numbers) << top << " " << step;
    }
    EXPECT_EQ(CountPages(0, 0, 4, 4), (PageNumbers{1, 1}));
    const std::pair<int32_t, int32_t> tops[] = {{-5, 0}, {1, 0}, {2, 4}, {3, 6}, {99, 6}};
    for (const auto& [page, top] : tops) {
        EXPECT_EQ(PageTopLine(page, 10, 4, 4), top) << page;
        EXPECT_EQ(CountPages(top, 10, 4, 4).page, std::clamp(page, 1, 3));
    }
    EXPECT_EQ(PageStep(16, 2), 14);
    EXPECT_EQ(PageStep(16, 40), 1);
    EXPECT_EQ(PageStep(0, 0), 1);
}

TEST_F(TextViewTest, TheFiguresNameTheChapterCutToFitOnlyOnceItIsKnown) {
    std::u16string lines;
    for (int line = 0; line < 30; ++line) {
        lines += u"a\n";
    }
    LayOut(lines);
    EXPECT_EQ(FooterText(view, 1000), u"1 / 2쪽 · 0.0%");
    view.Document().chapters = std::vector<Chapter>{{0, 1, u"제1장 아주 긴 제목"}};
    EXPECT_EQ(FooterText(view, 1000), u"제1장 아주 긴 제목 · 1 / 2쪽 · 0.0%");
    EXPECT_EQ(FooterText(view, 240), u"제1장… · 1 / 2쪽 · 0.0%");
    EXPECT_EQ(FooterText(view, 170), u"1 / 2쪽 · 0.0%");
    view.ScrollLines(20);
    EXPECT_EQ(FooterText(view, 1000), u"제1장 아주 긴 제목 · 2 / 2쪽 · 66.7%");
}

}  // namespace
}  // namespace sorna
