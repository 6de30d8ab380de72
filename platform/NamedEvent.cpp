#include "platform/NamedEvent.h"

#include <map>
#include <mutex>
#include <string>

namespace sorna {
namespace {

struct EventTable {
    std::mutex lock;
    std::map<std::u16string, uint32_t, std::less<>> setCounts;
};

EventTable& Events() {
    static EventTable table;
    return table;
}

}  // namespace

void SetNamedEvent(std::u16string_view name) {
    EventTable& events = Events();
    const std::lock_guard guard(events.lock);
    auto found = events.setCounts.find(name);
    if (found == events.setCounts.end()) {
        found = events.setCounts.emplace(name, 0).first;
    }
    ++found->second;
}

uint32_t NamedEventSetCount(std::u16string_view name) {
    EventTable& events = Events();
    const std::lock_guard guard(events.lock);
    const auto found = events.setCounts.find(name);
    return found == events.setCounts.end() ? 0 : found->second;
}

}  // namespace sorna
