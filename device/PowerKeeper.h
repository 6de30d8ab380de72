#pragma once

#include <optional>

#include "platform/IdleInhibitor.h"

namespace sorna {

// Keeps the backlight, display, screen saver and power manager from interrupting the reader while
// auto-scroll runs. Switching on overrides the device's timeout values in the registry, keeping
// each prior value in a mirror of local-machine values named by decimal ids (8192 to 8203), signals
// the events that make the system re-read them, and holds the desktop's idle inhibition. Switching
// off writes the prior values back, deletes the mirror and releases the inhibition. A mirror left
// by a run that was killed is restored by the next switch-off, and a switch-on before that never
// takes the overrides still in force for prior values. Every failure is silent.
class PowerKeeper {
public:
    // The inhibitor must outlive the keeper.
    explicit PowerKeeper(IdleInhibitor& idleInhibitor);
    // Switches off, so that the end of the program restores the device.
    ~PowerKeeper();
    PowerKeeper(const PowerKeeper&) = delete;
    PowerKeeper& operator=(const PowerKeeper&) = delete;

    // On when auto-scroll starts, off at each of its stops. Repeating the last state does nothing,
    // so a second switch-on never takes the overrides for prior values.
    void Switch(bool on);

    // One auto-scroll step: the desktop counts it as user input.
    void SimulateUserActivity();

private:
    void Walk(bool on);

    std::optional<bool> lastState;  // none until the first switch
    IdleInhibitor& idleInhibitor;
};

}  // namespace sorna
