#pragma once

#include <cstddef>

namespace sorna {

// A place where decoding a text started afresh: the byte of the file and the code unit of the
// text it begins. From it the byte of any later unit is found by decoding on from there.
struct ByteCheckpoint {
    size_t byte = 0;
    size_t unit = 0;

    bool operator==(const ByteCheckpoint&) const = default;
};

}  // namespace sorna
