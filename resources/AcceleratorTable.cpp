#include "resources/AcceleratorTable.h"

namespace sorna {
namespace {

bool Takes(const Accelerator& accelerator, const KeyPress& press) {
    if (accelerator.kind == AcceleratorKind::kCharacter) {
        return press.character != 0 && press.character == accelerator.key &&
               press.alt == accelerator.alt;
    }
    return press.virtualKey != 0 && press.virtualKey == accelerator.key &&
           press.alt == accelerator.alt && !press.shift && !press.control;
}

}  // namespace

std::optional<CommandId> FindAccelerator(const KeyPress& press) {
    for (const Accelerator& accelerator : kAcceleratorTable) {
        if (Takes(accelerator, press)) {
            return accelerator.command;
        }
    }
    return std::nullopt;
}

}  // namespace sorna
