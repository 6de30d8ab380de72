#pragma once

#include <cstddef>

namespace sorna {

// How far a decoder came: the bytes it read and the code units it wrote. It stops short of the
// end of its bytes only when its room for code units ran out.
struct DecodedBytes {
    size_t read = 0;
    size_t written = 0;
};

}  // namespace sorna
