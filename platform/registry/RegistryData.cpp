#include "platform/registry/RegistryData.h"

namespace sorna {
namespace {

char16_t UnitAt(std::span<const uint8_t> data, size_t index) {
    return static_cast<char16_t>(data[2 * index] | (data[2 * index + 1] << 8));
}

}  // namespace

std::vector<uint8_t> DwordData(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

std::optional<uint32_t> DwordOfData(std::span<const uint8_t> data) {
    if (data.size() != 4) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
           (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

std::vector<uint8_t> StringData(std::u16string_view text) {
    std::vector<uint8_t> data;
    data.reserve((text.size() + 1) * 2);
    for (const char16_t unit : text) {
        data.push_back(static_cast<uint8_t>(unit));
        data.push_back(static_cast<uint8_t>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::u16string TextOfData(std::span<const uint8_t> data) {
    std::u16string text;
    const size_t units = data.size() / 2;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = UnitAt(data, i);
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

std::optional<std::u16string> ExactTextOfData(std::span<const uint8_t> data) {
    if (data.size() < 2 || data.size() % 2 != 0 || UnitAt(data, data.size() / 2 - 1) != u'\0') {
        return std::nullopt;
    }
    std::u16string text = TextOfData(data);
    if (text.size() != data.size() / 2 - 1) {
        return std::nullopt;
    }
    return text;
}

}  // namespace sorna
