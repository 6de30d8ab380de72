#pragma once

#include <cstdint>
#include <string_view>

namespace sorna {

// The numbers a box's arrows step between, or a setting may take, both ends included.
struct NumberRange {
    int32_t lowest;
    int32_t highest;
};

// number, or the nearer end of range when it lies beyond.
int32_t WithinRange(int32_t number, NumberRange range);

// The number a box of the settings dialog holds: its text read as a signed decimal. An empty box,
// text that is no number and a number beyond 32 bits all give 0. The range of the box's arrows
// does not apply: what was typed is what is read.
int32_t ParseNumberBox(std::u16string_view text);

// What one press of a box's arrow makes of its number: one step on, kept within the arrows'
// range, so a number typed beyond the range comes back to the nearer end.
int32_t StepNumberBox(int32_t value, int32_t step, NumberRange range);

}  // namespace sorna
