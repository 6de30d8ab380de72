#pragma once

#include <cstdint>
#include <stop_token>

#include "platform/ParallelParts.h"
#include "view/CharMetrics.h"
#include "view/LineTable.h"

namespace sorna {

// Texts shorter than two parts of this length are broken on the calling thread alone; a part
// takes a few tenths of a millisecond, far more than starting a thread for it.
constexpr int32_t kBreakPartLength = 1 << 19;

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
// memory; it then holds only the lines found so far. A long text is broken in parts at once, as
// `parting` cuts it (by default one per hardware thread, none shorter than kBreakPartLength),
// after line feeds that end their lines; the table is the same as from one part. A stop request
// ends every part within about a millisecond: false, with the table incomplete.
[[nodiscard]] bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                              BreakOptions options, LineTable& lines,
                              Parting parting = Parting::PerThread(kBreakPartLength),
                              std::stop_token stop = {});

// Whether the line that text[i] (0 < i < length) is on starts at i whatever came before: a line
// feed that ends its line comes right before, and text that starts a new line comes at i. Lines
// from there on are the same whether the text before is laid out or not.
bool StartsOwnLine(const char16_t* text, int32_t length, int32_t i, bool joinLines);

// The first point in [from, end) where a line starts whatever came before; `end` when none is.
int32_t OwnLineStartIn(const char16_t* text, int32_t length, bool joinLines, int32_t from,
                       int32_t end);

// How far past the edge closing marks may hang with the line-breaking rules: two wide
// characters.
inline int64_t HangingRoom(const CharMetrics& metrics) {
    return 2 * int64_t{metrics.wideWidth};
}

// With joined lines, whether the line feed at text[i] is laid out as a space: it ends a line
// that is not blank, and the next line begins with text, neither blank nor indented.
bool JoinsLineFeed(const char16_t* text, int32_t length, int32_t i);

}  // namespace sorna
