#include "platform/CodePage949.h"

#include <algorithm>

#include "platform/AsciiRun.h"
#include "platform/CodePage949Table.h"

namespace sorna {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsLead(uint8_t byte) {
    return byte >= kFirstLead949 && byte <= kLastLead949;
}

}  // namespace

DecodedBytes DecodeCodePage949(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const CodePage949Table& table = kCodePage949Table;
    const uint8_t* in = bytes.data();
    const size_t size = bytes.size();
    const size_t capacity = out.size();
    size_t i = 0;
    size_t written = 0;
    while (i < size && written < capacity) {
        const uint8_t byte = in[i];
        // ASCII is itself in this code page.
        if (byte < 0x80) {
            const size_t room = std::min(size - i, capacity - written);
            const size_t ascii = WidenAsciiRun(in + i, room, out.data() + written);
            i += ascii;
            written += ascii;
            continue;
        }
        if (!IsLead(byte)) {
            out[written++] = table.single[byte];
            ++i;
            continue;
        }
        const char16_t unit = i + 1 < size ? table.Pair(byte, in[i + 1]) : 0;
        out[written++] = unit != 0 ? unit : kReplacement;
        i += unit != 0 ? 2 : 1;
    }
    return {i, written};
}

bool StartsAfreshIn949(uint8_t byte) {
    return kCodePage949Table.startsAfresh[byte];
}

}  // namespace sorna
