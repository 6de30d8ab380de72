#pragma once

#include <cstdint>

#include "view/CharMetrics.h"
#include "view/LineTable.h"

namespace sorna {

struct BreakOptions {
    int64_t availableWidth = 0;
    bool removeLineStartSpace = true;
    // Reading aids, off by default: a closing mark never starts a line and an opening mark never
    // ends one (a closing mark may hang past the edge instead); a single line feed between two
    // lines of text is laid out as a space.
    bool lineBreakRules = false;
    bool joinLines = false;
};

// Breaks text[0..length) into display lines: empties `lines`, then writes the start of every
// line and finally `length`. Korean syllables, spaces and tabs are runs of their own; letters and
// break marks form runs of their class; a run is never split. False when the table ran out of
// memory; it then holds only the lines found so far.
[[nodiscard]] bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                              BreakOptions options, LineTable& lines);

}  // namespace sorna
