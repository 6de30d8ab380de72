#pragma once

#include <cstdint>
#include <string_view>

namespace sorna {

// Named system events, by which a program tells drivers and services to re-read their settings.
// Nothing on this platform waits on such an event, so setting one only counts it, per name
// (names compared exactly), for the life of the process.
void SetNamedEvent(std::u16string_view name);

// How many times the event of this name has been set in this process.
uint32_t NamedEventSetCount(std::u16string_view name);

}  // namespace sorna
