#include "platform/TickCount.h"

#include <chrono>

namespace sorna {

uint32_t TickCount() {
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

}  // namespace sorna
