#pragma once

#include <cstdint>
#include <optional>

#include "device/PowerKeeper.h"
#include "platform/IdleInhibitor.h"

namespace sorna {

// Auto-scroll: whether it runs, when it last stepped, and the keeper that holds the device
// awake while it runs.
class AutoScroll {
public:
    // The inhibitor must outlive the object.
    explicit AutoScroll(IdleInhibitor& idleInhibitor);

    [[nodiscard]] bool Running() const { return running_; }
    void Toggle();
    // Off, and the device's timeouts given back.
    void Stop();

    // One tick of the timer while it runs, at tick count `now`: true when a line is to be stepped
    // now, which counts as user activity. With the end of the document on the page
    // (`bottomLetters` none) it stops instead.
    [[nodiscard]] bool StepDue(std::optional<int32_t> bottomLetters, uint32_t now,
                               int32_t msPerLetter);

private:
    PowerKeeper keeper_;
    bool running_ = false;
    uint32_t lastStep_;
};

}  // namespace sorna
