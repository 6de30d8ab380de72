#pragma once

#include <cstdint>

#include "view/ViewRect.h"

namespace sorna {

// The text area inside the page: the client rectangle less the left-and-right margin on both
// sides and the top-and-bottom margin at both ends, each margin taken within its usable spaces
// (settings/UsableSizes.h), so that a hand-edited one never leaves the page without text.
ViewRect TextAreaRect(const ViewRect& client, int32_t lrSpace, int32_t tbSpace);

}  // namespace sorna
