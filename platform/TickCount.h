#pragma once

#include <cstdint>

namespace sorna {

// Milliseconds of a monotonic clock, truncated to 32 bits: it wraps after about 49.7 days,
// so callers compare ticks by unsigned difference.
uint32_t TickCount();

}  // namespace sorna
