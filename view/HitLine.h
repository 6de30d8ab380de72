#pragma once

#include <string>

#include "view/TextSpan.h"

namespace sorna {

class TextView;

// An occurrence as a list of them shows it: the display line that holds its start, as the page
// shows it without the white space it begins with, and the part of that text the occurrence
// covers, [from, to).
struct HitLine {
    std::u16string text;
    size_t from = 0;
    size_t to = 0;

    bool operator==(const HitLine&) const = default;
};

HitLine LineOfHit(const TextView& view, TextSpan hit);

}  // namespace sorna
