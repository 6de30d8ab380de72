#include <cstdio>

#include "platform/Utf8Text.h"
#include "platform/registry/RegistryData.h"
#include "platform/registry/RegistryFormat.h"

namespace sorna {
namespace {

// Byte lists wrap before this column, as regedit's do, so lines stay readable.
constexpr size_t kWrapColumn = 76;

std::string Quoted(std::u16string_view text) {
    std::string quoted = "\"";
    for (const char c : ToUtf8(text)) {
        if (c == '\\' || c == '"') {
            quoted.push_back('\\');
        }
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::string Hex(uint32_t number, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*x", digits, number);
    return buffer;
}

void AppendHexBytes(std::span<const uint8_t> data, size_t column, std::string& out) {
    for (size_t i = 0; i < data.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
            if (++column > kWrapColumn) {
                out += "\\\n  ";
                column = 2;
            }
        }
        out += Hex(data[i], 2);
        column += 2;
    }
}

void AppendValue(const NamedRegistryValue& entry, std::string& out) {
    const RegistryValue& value = entry.value;
    const size_t lineStart = out.size();
    out += entry.name.empty() ? "@" : Quoted(entry.name);
    out.push_back('=');
    if (value.type == REG_SZ) {
        const auto text = ExactTextOfData(value.data);
        if (text && IsLiteralText(*text)) {
            out += Quoted(*text);
            return;
        }
    }
    if (value.type == REG_DWORD) {
        if (const auto number = DwordOfData(value.data)) {
            out += "dword:" + Hex(*number, 8);
            return;
        }
    }
    out += value.type == REG_BINARY ? "hex:" : "hex(" + Hex(value.type, 1) + "):";
    AppendHexBytes(value.data, out.size() - lineStart, out);
}

// path is the key's own on entry and again on return.
void AppendKey(const RegistryKeyNode& key, std::string& path, std::string& out) {
    // A key that only leads to sub-keys is created by their sections; a section of its own would
    // repeat the path above once more for every level of a deep key.
    if (!key.Values().empty() || key.Subkeys().empty()) {
        out += "\n[" + path + "]\n";
        for (const NamedRegistryValue& entry : key.Values()) {
            AppendValue(entry, out);
            out.push_back('\n');
        }
    }
    for (const auto& [folded, subkey] : key.Subkeys()) {
        const size_t length = path.size();
        path += '\\' + ToUtf8(subkey->Name());
        AppendKey(*subkey, path, out);
        path.resize(length);
    }
}

}  // namespace

std::string WriteRegistryText(const RegistryKeyNode& root) {
    std::string out(kRegistryFileHeader);
    out.push_back('\n');
    std::string path = ToUtf8(root.Name());
    AppendKey(root, path, out);
    return out;
}

}  // namespace sorna
