#include "app/WheelLineSteps.h"

#include <algorithm>

namespace sorna {
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

}  // namespace sorna
