#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "ViewTestSupport.h"
#include "view/PagePlan.h"
#include "view/PositionBar.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

// Everything a page, a tap or a tick asks of the view: none of it may fail or reach outside the
// table, and a page without a whole row shows no rows, no word and no letters.
void ExerciseEveryOperation(TextView& view) {
    view.ScrollLines(3);
    view.ScrollLines(-1);
    view.JumpToBar(100);
    const WordHit word = view.WordAt(10, 10);
    const std::optional<int32_t> letters = view.CountLetters();
    const int32_t count = view.Lines().Count();
    EXPECT_GE(view.TopLine(), 0);
    EXPECT_LE(view.TopLine(), std::max(0, count - 1));
    EXPECT_EQ(view.TopOffset(), count == 0 ? -1 : view.Lines()[view.TopLine()]);
    if (view.LinesPerPage() == 0) {
        EXPECT_TRUE(PlanPage(view, 240).rows.empty());
        EXPECT_EQ(word.word, u"");
        EXPECT_EQ(letters, std::nullopt);
    }
}

TEST(DegenerateGeometry, AnEmptyTableIsHarmless) {
    FixedMetricsDevice device;
    TextView view(device);
    EXPECT_FALSE(view.GoToOffset(0));
    EXPECT_FALSE(view.FindNext(u"a", false));
    ExerciseEveryOperation(view);
    // A line step that arrives before the layout leaves the top line usable afterwards.
    view.ScrollLines(1);
    EXPECT_EQ(view.TopLine(), 0);
    SetText(view.Document(), u"one\ntwo\n");
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.TopOffset(), 0);
}

TEST(DegenerateGeometry, TextAreasWithoutWidthOrHeight) {
    for (const ViewRect area : {ViewRect{0, 0, 0, 0}, ViewRect{50, 50, 10, 10},
                                ViewRect{0, 0, 240, 0}, ViewRect{0, 0, 0, 320}}) {
        FixedMetricsDevice device;
        TextView view(device);
        view.SetTextArea(area, false);
        SetText(view.Document(), u"some words\n가나다\n");
        ASSERT_TRUE(view.Layout(nullptr));
        EXPECT_EQ(view.Lines()[view.Lines().Count() - 1], 15);
        ExerciseEveryOperation(view);
    }
}

TEST(DegenerateGeometry, LineHeightsOfZeroAndBelow) {
    // A font measuring no height, and hand-edited spacings that cancel the font's height.
    for (const auto& [height, spacing] :
         {std::pair{0, 0}, std::pair{16, -16}, std::pair{16, -40}}) {
        FixedMetricsDevice device(10, 20, height);
        TextView view(device);
        view.SetLineSpacing(spacing);
        SetText(view.Document(), u"one\ntwo\nthree\n");
        ASSERT_TRUE(view.Layout(nullptr));
        ASSERT_LE(view.LineHeight(), 0);
        EXPECT_EQ(view.LinesPerPage(), 0);
        EXPECT_EQ(view.RowAt(10, 10), -1);
        ExerciseEveryOperation(view);
    }
}

// A million lines: the tap position times the entry count, and the bar height times the line
// number, both pass 32 bits.
TEST(DegenerateGeometry, LongDocumentsDoNotOverflowTheBarArithmetic) {
    FixedMetricsDevice device;
    TextView view(device);
    view.SetTextArea({0, 0, 1080, 4000}, false);
    SetText(view.Document(), std::u16string(1000000, u'\n'));
    ASSERT_TRUE(view.Layout(nullptr));
    ASSERT_EQ(view.Lines().Count(), 1000001);
    view.JumpToBar(3000);
    EXPECT_EQ(view.TopLine(), 750000);

    EXPECT_EQ(PositionBarRects(1080, view.TextArea(), false, 750000, 1000001).filled,
              (ViewRect{1077, 0, 1080, 3000}));
    // A table of one entry fills nothing rather than dividing by zero.
    EXPECT_EQ(PositionBarRects(1080, view.TextArea(), true, 0, 1).filled, (ViewRect{0, 0, 3, 0}));
}

}  // namespace
}  // namespace sorna
