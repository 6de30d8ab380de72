#include "app/InputCommands.h"

#include <algorithm>
#include <cstdlib>

#include "resources/KeyFunctionTable.h"

namespace sorna {

namespace {

struct ArrowStep {
    CommandId key;
    CommandId normal;
    CommandId rotated;
};

constexpr ArrowStep kArrowSteps[] = {
    {IDM_KEY_LEFT, IDM_LINE_UP, IDM_PAGE_UP},
    {IDM_KEY_RIGHT, IDM_LINE_DOWN, IDM_PAGE_DOWN},
    {IDM_KEY_UP, IDM_PAGE_UP, IDM_LINE_DOWN},
    {IDM_KEY_DOWN, IDM_PAGE_DOWN, IDM_LINE_UP},
};

}  // namespace

std::optional<CommandId> ArrowKeyCommand(CommandId keyCommand, bool rotated) {
    for (const ArrowStep& step : kArrowSteps) {
        if (step.key == keyCommand) {
            return rotated ? step.rotated : step.normal;
        }
    }
    return std::nullopt;
}

namespace {

enum Modifiers : uint8_t { kNone = 0, kControl = 1, kShift = 2, kAlt = 4 };

// A key by its virtual-key code, or by the character it is labelled with when the code is 0,
// with exactly the modifiers listed.
struct DesktopKey {
    uint32_t virtualKey;
    char32_t letter;
    uint8_t modifiers;
    CommandId command;
};

constexpr DesktopKey kDesktopKeys[] = {
    {kVirtualKeyNext, 0, kNone, IDM_PAGE_DOWN},
    {kVirtualKeySpace, 0, kNone, IDM_PAGE_DOWN},
    {kVirtualKeyPrior, 0, kNone, IDM_PAGE_UP},
    {kVirtualKeyHome, 0, kNone, IDM_FIRST_PAGE},
    {kVirtualKeyEnd, 0, kNone, IDM_LAST_PAGE},
    {kVirtualKeyF11, 0, kNone, IDM_FULLSCREEN},
    {kVirtualKeyEscape, 0, kNone, IDM_LEAVE_FULLSCREEN},
    {kVirtualKeyF3, 0, kNone, IDM_FIND_NEXT},
    {kVirtualKeyF3, 0, kShift, IDM_FIND_PREVIOUS},
    {kVirtualKeyLeft, 0, kAlt, IDM_BACK},
    {kVirtualKeyRight, 0, kAlt, IDM_FORWARD},
    {0, U'O', kControl, IDM_OPEN},
    {0, U'F', kControl, IDM_FIND},
    {0, U'B', kControl, IDM_BOOKMARK_ADD},
    {0, U'Q', kControl, IDM_EXIT},
    {0, U'T', kControl, IDM_CHAPTERS},
    {0, U'G', kControl, IDM_GO_TO},
    {0, U']', kControl, IDM_NEXT_CHAPTER},
    {0, U'[', kControl, IDM_PREVIOUS_CHAPTER},
};

uint8_t ModifiersOf(const KeyPress& press) {
    return uint8_t((press.control ? kControl : kNone) | (press.shift ? kShift : kNone) |
                   (press.alt ? kAlt : kNone));
}

bool Takes(const DesktopKey& key, const KeyPress& press) {
    const bool same =
        key.virtualKey != 0 ? key.virtualKey == press.virtualKey : key.letter == press.character;
    return same && key.modifiers == ModifiersOf(press);
}

}  // namespace

std::optional<CommandId> DesktopKeyCommand(const KeyPress& press) {
    for (const DesktopKey& key : kDesktopKeys) {
        if (Takes(key, press)) {
            return key.command;
        }
    }
    return std::nullopt;
}

std::optional<CommandId> HardwareKeyCommand(uint32_t keyCode, const Settings& settings) {
    if (!IsHardwareKeyCode(keyCode)) {
        return std::nullopt;
    }
    for (size_t slot = 0; slot < settings.keyCodes.size(); ++slot) {
        if (static_cast<uint32_t>(settings.keyCodes[slot]) != keyCode) {
            continue;
        }
        // Only the first matching slot acts; a function outside the table (only a hand-edited
        // registry stores one) does nothing.
        const int32_t function = settings.keyFunctions[slot];
        if (function < 0 || static_cast<size_t>(function) >= KeyFunctionTable.size()) {
            return std::nullopt;
        }
        return KeyFunctionTable[static_cast<size_t>(function)].command;
    }
    return std::nullopt;
}

namespace {

bool OnBarStrip(const TapArea& area, int32_t x) {
    return area.barOnLeft ? x < kBarStripWidth : x >= area.width - kBarStripWidth;
}

bool InsideArea(const TapArea& area, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < area.width && y < area.height;
}

// The coordinate and extent that the thirds cut: across the lines of the view.
struct Span {
    int32_t position;
    int32_t extent;
};

Span ThirdsSpan(const TapArea& area, int32_t x, int32_t y) {
    return area.rotated ? Span{x, area.width} : Span{y, area.height};
}

}  // namespace

TapAction PressAction(const TapArea& area, int32_t x) {
    return OnBarStrip(area, x) ? TapAction::kJumpToBar : TapAction::kNothing;
}

TapAction ReleaseAction(const TapArea& area, int32_t x, int32_t y) {
    if (!InsideArea(area, x, y) || OnBarStrip(area, x)) {
        return TapAction::kNothing;
    }
    if (area.dictionaryMode) {
        return TapAction::kLookUpWord;
    }
    const Span span = ThirdsSpan(area, x, y);
    if (span.position < span.extent / 3) {
        return TapAction::kPreviousPage;
    }
    if (span.position > (2 * span.extent) / 3) {
        return TapAction::kNextPage;
    }
    return TapAction::kNothing;
}

std::optional<TapAction> SwipeAction(const TapArea& area, int32_t dx, int32_t dy,
                                     int32_t dragDistance) {
    const int64_t across = std::abs(int64_t{area.rotated ? dy : dx});
    const int64_t along = area.rotated ? dx : dy;
    if (std::abs(along) + across <= dragDistance) {
        return std::nullopt;
    }
    if (std::abs(along) <= across) {
        return TapAction::kNothing;
    }
    return along < 0 ? TapAction::kNextPage : TapAction::kPreviousPage;
}

TapAction DoubleTapAction(const TapArea& area, int32_t x, int32_t y) {
    if (x < kBarStripWidth) {
        return TapAction::kNothing;
    }
    const Span span = ThirdsSpan(area, x, y);
    if (span.extent / 3 < span.position && span.position < (2 * span.extent) / 3) {
        return TapAction::kToggleFullScreen;
    }
    return TapAction::kNothing;
}

namespace {

constexpr int64_t kNotch = 120;
// A desktop that asks for no lines (or a broken value) still gets a wheel that moves.
constexpr int64_t kMaxLinesPerNotch = 100;

}  // namespace

int32_t WheelLineSteps::Add(int32_t angleDelta, int32_t linesPerNotch) {
    const int64_t lines = std::clamp<int64_t>(linesPerNotch, 1, kMaxLinesPerNotch);
    // Turning the wheel towards the user reads on, as a scrolled page does.
    const int64_t forward = -int64_t{angleDelta} * lines;
    if ((forward > 0 && pending_ < 0) || (forward < 0 && pending_ > 0)) {
        pending_ = 0;
    }
    pending_ += forward;
    const int64_t steps = pending_ / kNotch;  // toward zero: a part line waits for more
    pending_ -= steps * kNotch;
    return static_cast<int32_t>(std::clamp<int64_t>(steps, -kMaxLinesPerTurn, kMaxLinesPerTurn));
}

bool IsDictionaryWord(const WordHit& hit) {
    return !hit.word.empty() && hit.wordClass == CharClass::Letter;
}

}  // namespace sorna
