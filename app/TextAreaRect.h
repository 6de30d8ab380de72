#pragma once

#include <cstdint>

#include "view/ViewRect.h"

namespace sorna {

// The text area inside the page: the client rectangle less the left-and-right margin on both
// sides and the top-and-bottom margin at both ends. Margins that meet or cross in the middle,
// as hand-edited settings may give, leave an empty area there rather than one of negative size.
ViewRect TextAreaRect(const ViewRect& client, int32_t lrSpace, int32_t tbSpace);

}  // namespace sorna
