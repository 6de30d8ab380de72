#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sorna {

constexpr uint8_t kFirstLead949 = 0x81;
constexpr uint8_t kLastLead949 = 0xFE;

// ICU's "windows-949" converter flattened into lookup tables, so that decoding is a table walk
// with no call per character (the HTML converter decodes many short pieces). The tables are made
// when the program is built (tools/MakeCodePage949Table.cpp), so a start does no work for them.
struct CodePage949Table {
    std::array<char16_t, 256> single;  // bytes that are no lead byte
    // Lead byte and next byte: the character; U+FFFD when the pair is consumed as one bad
    // sequence; 0 when only the lead byte is bad and the next byte starts afresh.
    std::array<char16_t, (kLastLead949 - kFirstLead949 + 1) * size_t{256}> pair;
    std::array<bool, 256> startsAfresh;  // no lead byte takes the byte as its second

    static constexpr size_t PairIndex(uint8_t lead, uint8_t next) {
        return (lead - kFirstLead949) * size_t{256} + next;
    }
    constexpr char16_t Pair(uint8_t lead, uint8_t next) const {
        return pair[PairIndex(lead, next)];
    }
};

// Defined in the source the build generates.
extern const CodePage949Table kCodePage949Table;

}  // namespace sorna
