#include "app/TextAreaRect.h"

#include "settings/UsableSizes.h"

namespace sorna {

ViewRect TextAreaRect(const ViewRect& client, int32_t lrSpace, int32_t tbSpace) {
    const int32_t across = UsableSpace(lrSpace, client.Width());
    const int32_t down = UsableSpace(tbSpace, client.Height());
    return {client.left + across, client.top + down, client.right - across, client.bottom - down};
}

}  // namespace sorna
