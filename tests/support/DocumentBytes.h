#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "document/DocumentText.h"

// Bytes and texts as the loader's functions take and give them.
namespace sorna::test {

inline std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

inline std::u16string_view TextOf(const DocumentText& document) {
    return {document.text.get(), size_t(document.length)};
}

}  // namespace sorna::test
