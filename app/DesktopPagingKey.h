#pragma once

#include <optional>

#include "resources/AcceleratorTable.h"

namespace sorna {

// The page command of the paging keys desktop users expect besides the arrows: Page Down and
// Space page forward, Page Up back, in either orientation, since they name the page and not a
// direction on the turned text. Only without Shift, Ctrl or Alt, which other habits claim
// (Ctrl+Page Down changes tabs elsewhere). No value for every other key.
std::optional<CommandId> DesktopPagingCommand(const KeyPress& press);

}  // namespace sorna
