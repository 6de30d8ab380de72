#include "app/FileTitle.h"

namespace sorna {

std::u16string_view FileTitle(std::u16string_view path) {
    const size_t separator = path.find_last_of(u'/');
    if (separator == std::u16string_view::npos || separator == 0) {
        return path;
    }
    return path.substr(separator + 1);
}

}  // namespace sorna
