#include "platform/CodePage949.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <memory>

#include "platform/AsciiRun.h"

namespace sorna {
namespace {

constexpr uint8_t kFirstLead = 0x81;
constexpr uint8_t kLastLead = 0xFE;
constexpr char16_t kReplacement = 0xFFFD;

bool IsLead(uint8_t byte) {
    return byte >= kFirstLead && byte <= kLastLead;
}

// ICU's converter flattened into lookup tables once, so that decoding is a table walk with no
// call per character (the HTML converter decodes many short pieces).
struct Table {
    std::array<char16_t, 256> single{};  // bytes that are no lead byte
    // Lead byte and next byte: the character; U+FFFD when the pair is consumed as one bad
    // sequence; 0 when only the lead byte is bad and the next byte starts afresh.
    std::array<char16_t, (kLastLead - kFirstLead + 1) * size_t{256}> pair{};
    std::array<bool, 256> startsAfresh{};  // no lead byte takes the byte as its second

    char16_t Pair(uint8_t lead, uint8_t next) const {
        return pair[(lead - kFirstLead) * 256 + next];
    }
};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// The converter's output for one or two bytes converted on their own.
int32_t Convert(UConverter* converter, const uint8_t* bytes, int32_t count, char16_t (&out)[4]) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    return ucnv_toUChars(converter, out, 4, reinterpret_cast<const char*>(bytes), count, &status);
}

char16_t PairEntry(UConverter* converter, uint8_t lead, uint8_t next) {
    const uint8_t bytes[2] = {lead, next};
    char16_t out[4] = {};
    const int32_t length = Convert(converter, bytes, 2, out);
    if (length == 1 && out[0] != kReplacement) {
        return out[0];
    }
    const bool nextStartsAfresh = length != 1 || next < 0x80;
    return nextStartsAfresh ? 0 : kReplacement;
}

void Fill(Table& table, UConverter* converter) {
    for (int byte = 0; byte < 256; ++byte) {
        const uint8_t b = static_cast<uint8_t>(byte);
        char16_t out[4] = {};
        table.single[byte] = Convert(converter, &b, 1, out) == 1 ? out[0] : kReplacement;
    }
    for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (int next = 0; next < 256; ++next) {
            table.pair[(lead - kFirstLead) * 256 + next] =
                PairEntry(converter, static_cast<uint8_t>(lead), static_cast<uint8_t>(next));
        }
    }
}

Table BuildTable() {
    Table table;
    table.single.fill(kReplacement);
    for (int byte = 0; byte < 0x80; ++byte) {
        table.single[byte] = static_cast<char16_t>(byte);
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open("windows-949", &status));
    // ICU's data is linked in, so this fails only on a broken installation; ASCII stays
    // readable then and every other byte shows as U+FFFD.
    if (U_SUCCESS(status)) {
        Fill(table, converter.get());
    }
    for (int next = 0; next < 256; ++next) {
        bool taken = false;
        for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
            taken = taken || table.Pair(uint8_t(lead), uint8_t(next)) != 0;
        }
        table.startsAfresh[next] = !taken;
    }
    return table;
}

const Table& GetTable() {
    static const Table table = BuildTable();
    return table;
}

}  // namespace

DecodedBytes DecodeCodePage949(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const Table& table = GetTable();
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
    return GetTable().startsAfresh[byte];
}

}  // namespace sorna
