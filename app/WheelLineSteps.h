#pragma once

#include <cstdint>

namespace sorna {

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

}  // namespace sorna
