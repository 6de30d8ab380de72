#pragma once

#include <cstdint>
#include <optional>

#include "platform/HardwareKeyCodes.h"
#include "resources/AcceleratorTable.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "view/WordPick.h"

// Input turned into the reader's commands: keys, hardware buttons, taps, the wheel, and
// the words a tap hands to the dictionary.
namespace sorna {

// The step an arrow-key command posts. Normally Left and Right move by a line and Up and Down by
// a page; in the rotated view the keys follow the turned text: Up steps a line forward, Down a
// line back, Left a page back and Right a page forward. No value for other commands.
std::optional<CommandId> ArrowKeyCommand(CommandId keyCommand, bool rotated);

// The command of the keys desktop users expect besides the device's: Page Down and Space page
// forward, Page Up back, in either orientation, since they name the page and not a direction on
// the turned text; Home and End go to the first and last page; F11 toggles full screen and
// Escape leaves it; Ctrl+O opens, Ctrl+F finds, Ctrl+B adds a bookmark and Ctrl+Q closes the
// reader. F3 and Shift+F3 find the last search again forward and back, Alt+Left and Alt+Right go
// back and forward among the places jumped from, Ctrl+T lists the chapters, Ctrl+] and Ctrl+[
// go to the next and previous chapter, and Ctrl+G goes to a page. Each key only with the
// modifiers listed (Ctrl+Page Down changes tabs elsewhere). No value for every other key.
std::optional<CommandId> DesktopKeyCommand(const KeyPress& press);

// The command a released hardware button posts: the function of the first slot, in order 0..5,
// whose key code is the button's. No value for a code outside the hardware range, for a code no
// slot holds, and for a first matching slot whose stored function is not in KeyFunctionTable.
std::optional<CommandId> HardwareKeyCommand(uint32_t keyCode, const Settings& settings);

// The main window's client area as taps see it.
struct TapArea {
    int32_t width = 0;
    int32_t height = 0;
    bool rotated = false;    // the view is turned: thirds run left to right
    bool barOnLeft = false;  // the position bar is on the left edge
    bool dictionaryMode = false;
};

enum class TapAction {
    kNothing,
    kJumpToBar,   // move the view to the bar position under the tap
    kLookUpWord,  // hand the word under the tap to the dictionary
    kPreviousPage,
    kNextPage,
    kToggleFullScreen,
};

// Width of the position-bar strip at the bar's edge, in pixels.
inline constexpr int32_t kBarStripWidth = 6;

// A press jumps on the position bar; anywhere else the page turns on release.
TapAction PressAction(const TapArea& area, int32_t x);

// A release outside the client area does nothing: the press that began it may have been dragged
// off the window.
TapAction ReleaseAction(const TapArea& area, int32_t x, int32_t y);

// A press and a release at `dx`, `dy` from it, farther apart (along both axes together) than
// `dragDistance`, is a swipe and never a tap. Along the lines' progression it turns the page:
// up, or left in the turned view, to the next page, the other way to the previous one. Mostly
// across it does nothing. No value for a tap.
std::optional<TapAction> SwipeAction(const TapArea& area, int32_t dx, int32_t dy,
                                     int32_t dragDistance);

// A double tap in the middle third toggles full screen; near the left edge it is always ignored.
TapAction DoubleTapAction(const TapArea& area, int32_t x, int32_t y);

// Turns wheel rotation into whole line steps. A notch (120 eighths of a degree) moves
// `linesPerNotch` lines; a touchpad's finer deltas are summed until they make a line, so slow
// strokes are not lost and no delta counts twice. Turning the other way drops what was left of
// the old direction, so the first small turn back already counts.
class WheelLineSteps {
public:
    // Lines one turn adds at most, so a wild delta cannot flood the window with commands.
    static constexpr int32_t kMaxLinesPerTurn = 100;

    // `angleDelta` is the wheel's vertical rotation, positive away from the user. The result is
    // the number of lines to step, positive forward (towards the end of the text).
    int32_t Add(int32_t angleDelta, int32_t linesPerNotch);

private:
    int64_t pending_ = 0;  // forward rotation not yet stepped, in 1/120 of a line
};

// Whether a tapped word goes to the dictionary: only a run of letters does (Latin letters and
// digits, such as "mp3"); Korean syllables, spaces and punctuation do not.
[[nodiscard]] bool IsDictionaryWord(const WordHit& hit);

}  // namespace sorna
