#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorna {

class RegistryKeyNode;

// The two roots of the registry. Each is kept in memory and persisted as one regedit-style text
// file in the registry folder: user.reg and machine.reg.
enum class RegistryRoot { CurrentUser, LocalMachine };
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::CurrentUser;
inline constexpr RegistryRoot HKEY_LOCAL_MACHINE = RegistryRoot::LocalMachine;

// A value's type number. Values of types other than these are kept and written back unchanged.
using RegistryType = uint32_t;
inline constexpr RegistryType REG_NONE = 0;
inline constexpr RegistryType REG_SZ = 1;
inline constexpr RegistryType REG_BINARY = 3;
inline constexpr RegistryType REG_DWORD = 4;

enum class RegistryAccess { Read, Write };

// A value as stored: its type and its raw bytes (strings are UTF-16 little-endian with a NUL).
struct RegistryValue {
    RegistryType type = REG_NONE;
    std::vector<uint8_t> data;

    bool operator==(const RegistryValue&) const = default;
};

// An open key. Key paths are backslash-separated sub-key names below the root
// ("SOFTWARE\QARVEN\SORNA", "ControlPanel\Backlight"); the empty path is the root itself. Key and
// value names compare case-insensitively and keep the case they were created with. A key opened for
// reading refuses changes. All access happens on one thread.
class RegistryKey {
public:
    // Opens an existing key; nullopt when a key on the path does not exist.
    static std::optional<RegistryKey> Open(RegistryRoot root, std::u16string_view path,
                                           RegistryAccess access);
    // Opens a key for writing, creating it and every missing key above it; nullopt when a name on
    // the path cannot be stored (a control character, a lone surrogate, over 255 code units) or
    // the path is more than 512 keys deep.
    static std::optional<RegistryKey> Create(RegistryRoot root, std::u16string_view path);

    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;
    ~RegistryKey() = default;

    // Type, size (data.size()) and data of a value; nullopt when the value does not exist or the
    // key is closed.
    std::optional<RegistryValue> QueryValue(std::u16string_view name) const;
    // The names of the key's values, in the order they were first set.
    std::vector<std::u16string> ValueNames() const;

    // Creates or replaces a value. False for a read-only or closed key, or a value name that the
    // file cannot carry (a control character or a lone surrogate).
    [[nodiscard]] bool SetValue(std::u16string_view name, RegistryType type,
                                std::span<const uint8_t> data);
    // False when the value does not exist or the key is read-only or closed.
    [[nodiscard]] bool DeleteValue(std::u16string_view name);
    // Deletes every value whose name `unwanted` accepts, in one pass however many they are. False
    // for a read-only or closed key.
    [[nodiscard]] bool DeleteValues(const std::function<bool(std::u16string_view name)>& unwanted);

    // A value of exactly 4 bytes, whatever its type, read as a little-endian DWORD.
    std::optional<uint32_t> QueryDword(std::u16string_view name) const;
    // The value's data as UTF-16 text up to its first NUL (or all of it); nullopt when the value
    // does not exist or holds no bytes at all.
    std::optional<std::u16string> QueryString(std::u16string_view name) const;
    [[nodiscard]] bool SetDword(std::u16string_view name, uint32_t value);
    // A REG_SZ of the text's code units plus a terminating NUL, (length + 1) * 2 bytes.
    [[nodiscard]] bool SetString(std::u16string_view name, std::u16string_view text);

    // After closing, every operation fails. The destructor closes too.
    void Close();

private:
    RegistryKey(RegistryRoot root, std::vector<std::u16string> path, RegistryAccess access);
    // The key's node in memory; nullptr once closed, or when its root was loaded anew without it.
    RegistryKeyNode* Node() const;
    // Node() when the key may be changed and valueName can be stored.
    RegistryKeyNode* WritableNode(std::u16string_view valueName) const;

    RegistryRoot root_;
    std::vector<std::u16string> path_;
    RegistryAccess access_;
    bool open_ = true;
};

// $XDG_CONFIG_HOME/sorna, or ~/.config/sorna when XDG_CONFIG_HOME is unset or not absolute.
std::filesystem::path DefaultRegistryFolder();

// Points the registry at folder, discarding what was in memory. Each root is read from its file
// there on its first use; without this call, from DefaultRegistryFolder(). A missing folder or
// file is an empty root, and so is one that cannot be read; lines that cannot be read are skipped.
void LoadRegistry(const std::filesystem::path& folder);

// Whether a reader wants a value of a root's file: the path of its key below the root and its
// name.
using RegistryValueFilter =
    std::function<bool(std::span<const std::u16string> keyPath, std::u16string_view name)>;

// Reads the root from its file, unless it is in memory already, without the values `unwanted`
// names: they are passed over as the file is read and never held, so that a file grown huge with
// values no reader wants costs little more than its reading. A root in memory stays as it is, so
// this is for the reader that uses the root first.
void ReadRegistryRoot(RegistryRoot root, const RegistryValueFilter& unwanted);

// The folder the roots are read from and written to.
std::filesystem::path RegistryFolder();

// Writes the root's file: a temporary file beside it, flushed to disk, renamed over the old one,
// so a crash leaves either the old or the new file. A linked file is replaced where its links
// lead, with the permission bits it had. A file that did not load cleanly is first kept beside it
// with a ".bad" suffix. A file that could not be read at all (no regular file, over 64 MiB,
// unreadable) is never replaced. False when the file was not written.
[[nodiscard]] bool FlushRegistry(RegistryRoot root);

// Has the next FlushRegistry of the root keep its file first, as it keeps one that did not load
// cleanly: for a reader that found a value it could not take as stored, which the flush would
// otherwise lose.
void KeepRegistryFileAtNextFlush(RegistryRoot root);

// Has every later FlushRegistry of the root leave its file as it is: for a reader that runs
// beside another, whose saves its own would write over.
void LeaveRegistryFileAlone(RegistryRoot root);

}  // namespace sorna
