#include "settings/RegistryValues.h"

#include "platform/registry/RegistryData.h"

namespace sorna {
namespace {

std::optional<RegistryKey> OpenForWriting(RegistryRoot root, std::u16string_view subkey) {
    auto key = RegistryKey::Open(root, subkey, RegistryAccess::Write);
    return key ? std::move(key) : RegistryKey::Create(root, subkey);
}

}  // namespace

DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         uint32_t& field, uint32_t defaultValue) {
    field = defaultValue;
    const auto key = RegistryKey::Open(root, subkey, RegistryAccess::Read);
    const auto value = key ? key->QueryValue(name) : std::nullopt;
    if (!value) {
        return DwordRead::Missing;
    }
    // A value of any other size keeps the default: a longer one does not fit, and a shorter one
    // would leave some bytes of the default standing.
    const auto number = DwordOfData(value->data);
    if (!number) {
        return DwordRead::NoDword;
    }
    field = *number;
    return DwordRead::Read;
}

DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         int32_t& field, int32_t defaultValue) {
    uint32_t bits = 0;
    const DwordRead read =
        ReadDwordValue(root, subkey, name, bits, static_cast<uint32_t>(defaultValue));
    field = static_cast<int32_t>(bits);
    return read;
}

DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         bool& field, bool defaultValue) {
    uint32_t number = 0;
    const DwordRead read = ReadDwordValue(root, subkey, name, number, defaultValue ? 1 : 0);
    field = number != 0;
    return read;
}

bool ReadStringValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                     std::u16string& text) {
    const auto key = RegistryKey::Open(root, subkey, RegistryAccess::Read);
    auto value = key ? key->QueryString(name) : std::nullopt;
    if (!value) {
        return false;
    }
    text = std::move(*value);
    return true;
}

bool WriteDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                     uint32_t value) {
    auto key = OpenForWriting(root, subkey);
    return key && key->SetDword(name, value);
}

bool WriteStringValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                      std::u16string_view text) {
    auto key = OpenForWriting(root, subkey);
    return key && key->SetString(name, text);
}

bool DeleteValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name) {
    auto key = RegistryKey::Open(root, subkey, RegistryAccess::Write);
    return !key || !key->QueryValue(name) || key->DeleteValue(name);
}

}  // namespace sorna
