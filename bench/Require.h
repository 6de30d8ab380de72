#pragma once

#include <stdexcept>
#include <string>

namespace sorna {

// Stops a benchmark whose set-up failed, saying what failed, rather than timing nothing.
inline void Require(bool done, const std::string& what) {
    if (!done) {
        throw std::runtime_error("cannot " + what);
    }
}

}  // namespace sorna
