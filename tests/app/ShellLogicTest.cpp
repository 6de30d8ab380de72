// The window's decisions that need no window: taps, keys, the wheel, captions and the margins.
#include <gtest/gtest.h>

#include "app/GoToTarget.h"
#include "app/InputCommands.h"
#include "app/JumpHistory.h"
#include "app/ShellTexts.h"
#include "app/TextAreaRect.h"
#include "app/WorkInProgress.h"

namespace sorna {
namespace {

using enum TapAction;

struct Tap {
    TapArea area;
    int32_t x;
    int32_t y;
    TapAction press;
    TapAction release;
    TapAction doubleTap;
};

// Portrait: the thirds run down 300 pixels. Turned: across 240. The bar strip is 6 pixels wide.
constexpr TapArea kPortrait{240, 300, false, false, false};
constexpr TapArea kRotated{240, 320, true, false, false};
constexpr TapArea kLeftBar{240, 300, false, true, false};
constexpr TapArea kDictionary{240, 300, false, false, true};

constexpr Tap kTaps[] = {
    {kPortrait, 120, 99, kNothing, kPreviousPage, kNothing},
    {kPortrait, 120, 100, kNothing, kNothing, kNothing},
    {kPortrait, 120, 101, kNothing, kNothing, kToggleFullScreen},
    {kPortrait, 120, 200, kNothing, kNothing, kNothing},
    {kPortrait, 120, 201, kNothing, kNextPage, kNothing},
    {kPortrait, 234, 250, kJumpToBar, kNothing, kNothing},
    {kPortrait, 233, 250, kNothing, kNextPage, kNothing},
    // A double tap at the left edge never counts; releases dragged off the page do nothing.
    {kPortrait, 3, 150, kNothing, kNothing, kNothing},
    {kPortrait, 120, -1, kNothing, kNothing, kNothing},
    {kPortrait, 120, 300, kNothing, kNothing, kNothing},
    {kRotated, 79, 319, kNothing, kPreviousPage, kNothing},
    {kRotated, 81, 10, kNothing, kNothing, kToggleFullScreen},
    {kRotated, 161, 10, kNothing, kNextPage, kNothing},
    {kRotated, 240, 10, kJumpToBar, kNothing, kNothing},
    {kLeftBar, 5, 10, kJumpToBar, kNothing, kNothing},
    {kLeftBar, 6, 10, kNothing, kPreviousPage, kNothing},
    {kLeftBar, 236, 10, kNothing, kPreviousPage, kNothing},
    {kDictionary, 120, 250, kNothing, kLookUpWord, kNothing},
    {kDictionary, 236, 250, kJumpToBar, kNothing, kNothing},
};

TEST(TapDecision, ThirdsTurnPagesOrToggleFullScreenAndTheBarStripJumps) {
    for (const Tap& tap : kTaps) {
        SCOPED_TRACE(testing::Message() << "row " << &tap - kTaps);
        EXPECT_EQ(PressAction(tap.area, tap.x), tap.press);
        EXPECT_EQ(ReleaseAction(tap.area, tap.x, tap.y), tap.release);
        EXPECT_EQ(DoubleTapAction(tap.area, tap.x, tap.y), tap.doubleTap);
    }
}

TEST(HardwareKeyCommand, TheFirstSlotHoldingTheCodeDecidesWithinTheFunctionTable) {
    Settings settings;
    EXPECT_EQ(HardwareKeyCommand(0xC1, settings), IDC_NONE);  // the defaults do nothing
    settings.keyCodes = {0xC1, 0xC9, 0xC3, 0xC9, 0x41, 0xC3};
    settings.keyFunctions = {13, 3, 14, 5, 2, 2};
    EXPECT_EQ(HardwareKeyCommand(0xC1, settings), IDM_PREVIOUS_CHAPTER);  // the table's last
    EXPECT_EQ(HardwareKeyCommand(0xC9, settings), IDM_LINE_DOWN);
    // Only a hand-edited registry stores a function outside the table; it does nothing.
    EXPECT_EQ(HardwareKeyCommand(0xC3, settings), std::nullopt);
    settings.keyFunctions[0] = -1;
    EXPECT_EQ(HardwareKeyCommand(0xC1, settings), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xCF, settings), std::nullopt);
    // Only the hardware range is looked up, whatever a slot holds.
    EXPECT_EQ(HardwareKeyCommand(0x41, settings), std::nullopt);
}

TEST(DesktopKeyCommand, EachKeyActsOnlyWithItsOwnModifiers) {
    const std::pair<KeyPress, std::optional<CommandId>> keys[] = {
        {{.virtualKey = kVirtualKeyPrior}, IDM_PAGE_UP},
        {{.virtualKey = kVirtualKeyNext, .shift = true}, std::nullopt},
        {{.virtualKey = kVirtualKeySpace, .control = true}, std::nullopt},
        {{.virtualKey = kVirtualKeyPrior, .alt = true}, std::nullopt},
        {{.virtualKey = kVirtualKeyHome}, IDM_FIRST_PAGE},
        {{.virtualKey = kVirtualKeyEnd}, IDM_LAST_PAGE},
        {{.virtualKey = kVirtualKeyF11}, IDM_FULLSCREEN},
        {{.virtualKey = kVirtualKeyEscape}, IDM_LEAVE_FULLSCREEN},
        {{.character = U'O', .control = true}, IDM_OPEN},
        {{.character = U'F', .control = true}, IDM_FIND},
        {{.character = U'B', .control = true}, IDM_BOOKMARK_ADD},
        {{.character = U'Q', .control = true}, IDM_EXIT},
        {{.character = U'Q'}, std::nullopt},
        {{.character = U'Q', .shift = true, .control = true}, std::nullopt},
        {{.virtualKey = kVirtualKeyDown}, std::nullopt},  // the arrows stay with the accelerators
        {{.virtualKey = kVirtualKeyF3}, IDM_FIND_NEXT},
        {{.virtualKey = kVirtualKeyF3, .shift = true}, IDM_FIND_PREVIOUS},
        {{.virtualKey = kVirtualKeyF3, .control = true}, std::nullopt},
        {{.virtualKey = kVirtualKeyLeft, .alt = true}, IDM_BACK},
        {{.virtualKey = kVirtualKeyRight, .alt = true}, IDM_FORWARD},
        {{.virtualKey = kVirtualKeyRight, .shift = true, .alt = true}, std::nullopt},
        {{.character = U'T', .control = true}, IDM_CHAPTERS},
        {{.character = U'G', .control = true}, IDM_GO_TO},
        {{.character = U']', .control = true}, IDM_NEXT_CHAPTER},
        {{.character = U'[', .control = true}, IDM_PREVIOUS_CHAPTER},
    };
    for (const auto& [press, command] : keys) {
        EXPECT_EQ(DesktopKeyCommand(press), command)
            << press.virtualKey << " " << uint32_t{press.character};
    }
}

// Swipes from the middle of a portrait page and a turned one, the platform's drag distance 10.
TEST(SwipeAction, AlongTheLinesProgressionTurnsThePageAndIsNeverATap) {
    const std::tuple<TapArea, int32_t, int32_t, std::optional<TapAction>> swipes[] = {
        {kPortrait, 4, -6, std::nullopt},    {kPortrait, 0, -11, kNextPage},
        {kPortrait, 30, 100, kPreviousPage}, {kPortrait, 80, -60, kNothing},
        {kRotated, -11, 0, kNextPage},       {kRotated, 40, -30, kPreviousPage},
        {kRotated, 0, -50, kNothing},        {kDictionary, 0, -200, kNextPage},
    };
    for (const auto& [area, dx, dy, action] : swipes) {
        EXPECT_EQ(SwipeAction(area, dx, dy, 10), action) << dx << "," << dy;
    }
}

std::vector<int32_t> Turn(const std::vector<int32_t>& deltas, int32_t linesPerNotch) {
    WheelLineSteps steps;
    std::vector<int32_t> lines;
    for (const int32_t delta : deltas) {
        lines.push_back(steps.Add(delta, linesPerNotch));
    }
    return lines;
}

TEST(WheelLineSteps, NotchesAndTheirPartsStepTheDesktopsLinesTowardsTheUserForward) {
    using Lines = std::vector<int32_t>;
    EXPECT_EQ(Turn({-120, -240, 120}, 3), (Lines{3, 6, -3}));
    // Ten touchpad deltas of a tenth of a notch make one notch: three lines, one at a time.
    EXPECT_EQ(Turn(Lines(10, -12), 3), (Lines{0, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
    // Turning back drops the part line left over from the other way.
    EXPECT_EQ(Turn({-100, 40, -20, -20}, 3), (Lines{2, -1, 0, 1}));
    // A broken line count still moves the wheel, and no turn runs away.
    EXPECT_EQ(Turn({-120, 120}, 0), (Lines{1, -1}));
    EXPECT_EQ(Turn({INT32_MIN, INT32_MAX}, INT32_MAX), (Lines{100, -100}));
}

TEST(WorkInProgress, WaitingTasksRunInOrderOnceTheOutermostWorkEnds) {
    WorkInProgress work;
    std::string ran;
    work.RunWhenIdle([&ran] { ran += 'a'; });
    {
        WorkInProgress::Scope outer(work);
        // A task that starts work of its own runs what that work held back at its end.
        work.RunWhenIdle([&] {
            WorkInProgress::Scope again(work);
            work.RunWhenIdle([&ran] { ran += 'x'; });
            ran += 'b';
        });
        {
            WorkInProgress::Scope inner(work);
            work.RunWhenIdle([&ran] { ran += 'c'; });
        }
        EXPECT_EQ(ran, "a");
        EXPECT_TRUE(work.Busy());
    }
    EXPECT_EQ(ran, "abxc");
    EXPECT_FALSE(work.Busy());
}

TEST(TextAreaRect, MarginsComeOffEachSideButNoneTakesMoreThanAThirdOfThePageOrAddsToIt) {
    const ViewRect page{0, 0, 240, 300};
    EXPECT_EQ(TextAreaRect(page, 4, 6), (ViewRect{4, 6, 236, 294}));
    EXPECT_EQ(TextAreaRect(page, 500, 101), (ViewRect{80, 100, 160, 200}));
    EXPECT_EQ(TextAreaRect(page, INT32_MAX, INT32_MAX), (ViewRect{80, 100, 160, 200}));
    EXPECT_EQ(TextAreaRect(page, -10, INT32_MIN), page);
}

// A file named after its last separator is the session's caption test; these are the edges.
TEST(Captions, TheFileIsNamedAfterTheLastSeparatorUnlessThatIsTheFirstCharacter) {
    EXPECT_EQ(TitleText(u"%s.txt"), u"%s.txt - Sorna 1.71");
    EXPECT_EQ(FileTitle(u"/a.txt"), u"/a.txt");
    EXPECT_EQ(FileTitle(u"books/"), u"");
}

TEST(ProposedBookmarkLabel, TheStartOfTheTopLineOrElseTheNextAndThePercentage) {
    EXPECT_EQ(ProposedBookmarkLabel(u"", u"다음 줄", 1, 3), u"다음 줄 [33.3%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"x", u"", 0, 0), u"x [0.0%]");
    // Fourteen letters, then a character of two code units: it is not cut in half.
    EXPECT_EQ(ProposedBookmarkLabel(u"abcdefghijklmn\U0001F4D6 more", u"", 5, 10),
              u"abcdefghijklmn [50.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"abcdefghijklm\U0001F4D6", u"", 5, 10),
              u"abcdefghijklm\U0001F4D6 [50.0%]");
}

TEST(ParseGoToTarget, TakesWholePagesAndPercentagesUpToAHundred) {
    using enum GoToTarget::Kind;
    const std::pair<std::u16string_view, std::optional<GoToTarget>> inputs[] = {
        {u"123", GoToTarget{kPage, 123}},
        {u" 7\u3000", GoToTarget{kPage, 7}},
        {u"37%", GoToTarget{kPercent, 37}},
        {u"37.5 ％", GoToTarget{kPercent, 37.5}},
        {u"100%", GoToTarget{kPercent, 100}},
        {u"0%", GoToTarget{kPercent, 0}},
        {u"0", std::nullopt},
        {u"1.5", std::nullopt},
        {u"100.1%", std::nullopt},
        {u"-3", std::nullopt},
        {u"%", std::nullopt},
        {u"", std::nullopt},
        {u"1e3", std::nullopt},
        {u"12쪽", std::nullopt},
        {u"1.2.3%", std::nullopt},
        {u"99999999999999999", std::nullopt}};
    for (const auto& [text, target] : inputs) {
        EXPECT_EQ(ParseGoToTarget(text), target) << std::string(text.begin(), text.end());
    }
}

// Jumps 0 -> 100 -> 200 -> 300 in one document, one in another; back and forward retrace them,
// a new jump drops the way forward, and the oldest places give way at the limit.
TEST(JumpHistory, BackAndForwardRetraceTheJumpsOfEachDocument) {
    JumpHistory jumps;
    for (const int32_t from : {0, 100, 200}) {
        jumps.Leave(u"a", from);
    }
    jumps.Leave(u"b", 5);
    EXPECT_EQ(jumps.Back(u"a", 300), 200);
    EXPECT_EQ(jumps.Back(u"a", 200), 100);
    EXPECT_EQ(jumps.Forward(u"a", 100), 200);
    EXPECT_EQ(jumps.Back(u"a", 200), 100);
    EXPECT_EQ(jumps.Back(u"a", 100), 0);
    EXPECT_EQ(jumps.Back(u"a", 0), std::nullopt);
    EXPECT_EQ(jumps.Back(u"b", 9), 5);
    jumps.Leave(u"a", 0);
    EXPECT_EQ(jumps.Forward(u"a", 50), std::nullopt);
    for (int32_t from = 1; from <= int32_t(JumpHistory::kLimit) + 10; ++from) {
        jumps.Leave(u"c", from);
    }
    int32_t steps = 0;
    for (int32_t at = 1000; const std::optional<int32_t> place = jumps.Back(u"c", at); ++steps) {
        at = *place;
    }
    EXPECT_EQ(steps, int32_t(JumpHistory::kLimit));
}

}  // namespace
}  // namespace sorna
