#pragma once

namespace sorna {

// Lowers the calling thread's scheduling priority, and that of the threads it starts from now
// on, below the window's: work in the background then never keeps input waiting for a core.
// Nothing happens where the system refuses.
void RunInBackground();

}  // namespace sorna
