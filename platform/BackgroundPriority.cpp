#include "platform/BackgroundPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace sorna {

// On Linux a thread has a nice value of its own, which the threads it starts inherit.
void RunInBackground() {
    constexpr int kBackgroundNice = 10;
    static_cast<void>(setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNice));
}

}  // namespace sorna
