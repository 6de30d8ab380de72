#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ViewTestSupport.h"
#include "view/PagePlan.h"
#include "view/TextView.h"

namespace sorna {
namespace {

// Rows 20 pixels high in the text area (10, 20)-(230, 300) of a client area 240 pixels wide.
class PagePlanTest : public testing::Test {
protected:
    PagePlan Plan(std::u16string_view text, bool rotated = false, bool leftBar = false) {
        view.ClearDocument();
        view.SetFont(u"굴림", 15, rotated, false);
        view.SetTextArea({10, 20, 230, 300}, leftBar);
        test::SetText(view.Document(), text);
        EXPECT_TRUE(view.Layout(nullptr));
        return PlanPage(view, 240);
    }

    test::FixedMetricsDevice device;
    TextView view{device};
};

// The bar's side loses 3 pixels; rotated rows are strips from the left, read upward.
TEST_F(PagePlanTest, RowsInEveryOrientationShowNothingAfterALineEnd) {
    for (const auto& [rotated, leftBar, first, second, barLeft] :
         {std::tuple{false, false, ViewRect{10, 20, 227, 40}, ViewRect{10, 40, 227, 60}, 237},
          {false, true, {13, 20, 230, 40}, {13, 40, 230, 60}, 0},
          {true, false, {10, 20, 30, 300}, {30, 20, 50, 300}, 237},
          {true, true, {13, 20, 33, 300}, {33, 20, 53, 300}, 0}}) {
        SCOPED_TRACE(testing::Message() << rotated << leftBar);
        const PagePlan plan = Plan(u"one\r\ntwo\rhidden\n", rotated, leftBar);
        EXPECT_EQ(plan.upward, rotated);
        EXPECT_EQ(plan.rows, (std::vector<PageRow>{{first, u"one"}, {second, u"two"}}));
        EXPECT_EQ(plan.positionBar.at(0).rect, (ViewRect{barLeft, 20, barLeft + 3, 300}));
    }
}

// 30 lines and the closing entry: a page holds whole rows only and never the closing entry, and
// the bar fills in proportion to the top line; before a layout there is neither.
TEST_F(PagePlanTest, ThePageAndItsBarFromTheFirstLineToTheLast) {
    EXPECT_TRUE(PlanPage(view, 240).rows.empty());
    EXPECT_TRUE(PlanPage(view, 240).positionBar.empty());
    Plan(std::u16string(30, u'\n'));
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

}  // namespace
}  // namespace sorna
