#include "settings/UsableSizes.h"

#include <algorithm>

namespace sorna {

int32_t UsableFontSize(int32_t size) {
    return WithinRange(size, kUsableFontSizes);
}

NumberRange UsableSpaces(int64_t extent) {
    // A third of a 64-bit extent may not fit: more than 32 bits is never a page.
    return {0, static_cast<int32_t>(std::clamp<int64_t>(extent / 3, 0, INT32_MAX))};
}

int32_t UsableSpace(int32_t space, int64_t extent) {
    return WithinRange(space, UsableSpaces(extent));
}

}  // namespace sorna
