#include "app/DesktopPagingKey.h"

namespace sorna {
namespace {

struct PagingKey {
    uint32_t virtualKey;
    CommandId command;
};

constexpr PagingKey kPagingKeys[] = {
    {kVirtualKeyNext, IDM_PAGE_DOWN},
    {kVirtualKeySpace, IDM_PAGE_DOWN},
    {kVirtualKeyPrior, IDM_PAGE_UP},
};

}  // namespace

std::optional<CommandId> DesktopPagingCommand(const KeyPress& press) {
    if (press.shift || press.control || press.alt) {
        return std::nullopt;
    }
    for (const PagingKey& key : kPagingKeys) {
        if (key.virtualKey == press.virtualKey) {
            return key.command;
        }
    }
    return std::nullopt;
}

}  // namespace sorna
