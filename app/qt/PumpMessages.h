#pragma once

namespace sorna {

// Handles the events that are pending now (repaints, input, timers, posted commands) and returns.
// Handlers run from inside the caller, so they must cope with a command that is still in
// progress. Events that those handlers post wait for the next pump or the loop, so a handler
// that keeps posting cannot hold the caller forever.
void PumpMessages();

}  // namespace sorna
