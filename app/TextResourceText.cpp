#include "app/TextResourceText.h"

#include "platform/CodePage949.h"

namespace sorna {

std::u16string TextResourceText(std::span<const uint8_t> bytes) {
    // Every byte or pair of bytes gives one code unit, so the byte count is room enough.
    std::u16string text(bytes.size(), u'\0');
    text.resize(DecodeCodePage949(bytes, text));
    return text;
}

}  // namespace sorna
