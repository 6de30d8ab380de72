#pragma once

#include <optional>

#include "resources/CommandIds.h"

namespace sorna {

// The step an arrow-key command posts. Normally Left and Right move by a line and Up and Down by
// a page; in the rotated view the keys follow the turned text: Up steps a line forward, Down a
// line back, Left a page back and Right a page forward. No value for other commands.
std::optional<CommandId> ArrowKeyCommand(CommandId keyCommand, bool rotated);

}  // namespace sorna
