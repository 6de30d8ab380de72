#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "view/CharMetrics.h"

namespace sorna {

// How a wrapped display line is stretched to the length of its row: the room it leaves goes to
// its spaces, or, in a line without one (Korean has few), between its characters.
struct Justification {
    double perSpace = 0;      // pixels added after each space
    double perCharacter = 0;  // pixels added after each character

    // How far a character is moved along its row, after `characters` characters of which
    // `spaces` were spaces.
    double Shift(size_t characters, size_t spaces) const {
        return double(characters) * perCharacter + double(spaces) * perSpace;
    }
    bool operator==(const Justification&) const = default;
};

// The stretch of `shown`, a line as the page shows it, to `room` pixels. White space at its end
// neither counts nor takes any; a line that already fills the room, holds a tab (which the
// painter widens itself), or has fewer than two characters is left as it is.
Justification Justify(std::u16string_view shown, const CharMetrics& metrics, int64_t room);

}  // namespace sorna
