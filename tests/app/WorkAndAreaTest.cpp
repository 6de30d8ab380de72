#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/TextAreaRect.h"
#include "app/WorkInProgress.h"

namespace sorna {
namespace {

TEST(WorkInProgress, WaitingTasksRunInOrderOnceTheOutermostWorkEnds) {
    WorkInProgress work;
    std::string ran;
    work.RunWhenIdle([&ran] { ran += 'a'; });
    EXPECT_EQ(ran, "a");
    {
        WorkInProgress::Scope outer(work);
        work.RunWhenIdle([&ran] { ran += 'b'; });
        {
            WorkInProgress::Scope inner(work);
            work.RunWhenIdle([&ran] { ran += 'c'; });
        }
        EXPECT_EQ(ran, "a");
        EXPECT_TRUE(work.Busy());
    }
    EXPECT_EQ(ran, "abc");
    EXPECT_FALSE(work.Busy());
}

TEST(WorkInProgress, ATaskThatStartsWorkOfItsOwnHoldsBackWhatComesMeanwhile) {
    WorkInProgress work;
    std::string ran;
    {
        WorkInProgress::Scope loading(work);
        work.RunWhenIdle([&] {
            WorkInProgress::Scope again(work);
            work.RunWhenIdle([&ran] { ran += 'x'; });
            ran += '1';
        });
        work.RunWhenIdle([&ran] { ran += '2'; });
    }
    EXPECT_EQ(ran, "1x2");
    EXPECT_FALSE(work.Busy());
}

TEST(TextAreaRect, MarginsComeOffEachSideAndNeverLeaveANegativeArea) {
    EXPECT_EQ(TextAreaRect({0, 0, 240, 300}, 4, 6), (ViewRect{4, 6, 236, 294}));
    EXPECT_EQ(TextAreaRect({0, 0, 240, 300}, 120, 150), (ViewRect{120, 150, 120, 150}));
    // Hand-edited margins wider than the page leave an empty area in its middle.
    EXPECT_EQ(TextAreaRect({0, 0, 240, 300}, 500, 151), (ViewRect{120, 150, 120, 150}));
    const int32_t huge = std::numeric_limits<int32_t>::max();
    const ViewRect extreme = TextAreaRect({0, 0, 240, 300}, huge, huge);
    EXPECT_EQ(extreme.Width(), 0);
    EXPECT_EQ(extreme.Height(), 0);
    // Negative margins widen the area past the page, as they say.
    EXPECT_EQ(TextAreaRect({0, 0, 240, 300}, -10, 0), (ViewRect{-10, 0, 250, 300}));
    const int32_t least = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(TextAreaRect({0, 0, 240, 300}, least, 0).left, least);
}

}  // namespace
}  // namespace sorna
