// Registry files are edited by hand, so any bytes may arrive. Whatever loads must be written back
// in a form that loads cleanly into the same keys and values, and not much larger than it came:
// every save writes the whole file again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry/RegistryFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sorna::RegistryKeyNode root(u"HKEY_CURRENT_USER");
    // Any input: what could be read must be written back readable, whatever was skipped.
    static_cast<void>(sorna::ParseRegistryText(
        std::string_view(reinterpret_cast<const char*>(data), size), root));
    const std::string written = sorna::WriteRegistryText(root);
    // Values written in full ("dword:1" as "dword:00000001") and names in their first spelling
    // take at most about three times their input; the header and an empty root a little more.
    if (written.size() > 4 * size + 4096) {
        __builtin_trap();
    }
    sorna::RegistryKeyNode reloaded(u"HKEY_CURRENT_USER");
    if (!sorna::ParseRegistryText(written, reloaded) ||
        sorna::WriteRegistryText(reloaded) != written) {
        __builtin_trap();
    }
    return 0;
}
