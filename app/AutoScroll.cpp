#include "app/AutoScroll.h"

#include "platform/TickCount.h"
#include "view/AutoScrollPace.h"

namespace sorna {

AutoScroll::AutoScroll(IdleInhibitor& idleInhibitor)
    : keeper_(idleInhibitor), lastStep_(TickCount()) {}

void AutoScroll::Toggle() {
    running_ = !running_;
    keeper_.Switch(running_);
}

void AutoScroll::Stop() {
    running_ = false;
    keeper_.Switch(false);
}

bool AutoScroll::StepDue(std::optional<int32_t> bottomLetters, uint32_t now, int32_t msPerLetter) {
    switch (DecideAutoScroll(bottomLetters, lastStep_, now, msPerLetter)) {
        case AutoScrollAction::Stop:
            Stop();
            return false;
        case AutoScrollAction::Step:
            lastStep_ = now;
            keeper_.SimulateUserActivity();
            return true;
        case AutoScrollAction::Wait:
            break;
    }
    return false;
}

}  // namespace sorna
