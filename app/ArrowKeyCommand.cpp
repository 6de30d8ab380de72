#include "app/ArrowKeyCommand.h"

namespace sorna {
namespace {

struct ArrowStep {
    CommandId key;
    CommandId normal;
    CommandId rotated;
};

constexpr ArrowStep kArrowSteps[] = {
    {IDM_KEY_LEFT, IDM_LINE_UP, IDM_PAGE_UP},
    {IDM_KEY_RIGHT, IDM_LINE_DOWN, IDM_PAGE_DOWN},
    {IDM_KEY_UP, IDM_PAGE_UP, IDM_LINE_DOWN},
    {IDM_KEY_DOWN, IDM_PAGE_DOWN, IDM_LINE_UP},
};

}  // namespace

std::optional<CommandId> ArrowKeyCommand(CommandId keyCommand, bool rotated) {
    for (const ArrowStep& step : kArrowSteps) {
        if (step.key == keyCommand) {
            return rotated ? step.rotated : step.normal;
        }
    }
    return std::nullopt;
}

}  // namespace sorna
