#pragma once

namespace sorna {

// The desktop's own means of keeping the display and the session awake. The keeper holds it while
// auto-scroll runs; where the desktop offers nothing, every call quietly does nothing.
class IdleInhibitor {
public:
    virtual ~IdleInhibitor() = default;

    // Keeps the screen saver, screen blanking and idle suspend away until UnInhibit. A second call
    // while held does nothing.
    virtual void Inhibit() = 0;
    // Gives back what Inhibit took; nothing when nothing is held.
    virtual void UnInhibit() = 0;
    // Counts as user input for the desktop's idle timers, like a key press would.
    virtual void SimulateUserActivity() = 0;
};

}  // namespace sorna
