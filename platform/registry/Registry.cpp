#include "platform/registry/Registry.h"

#include "platform/Utf8Text.h"
#include "platform/registry/RegistryData.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryFormat.h"
#include "platform/registry/RegistryName.h"

namespace sorna {
namespace {

struct RegistryState {
    std::filesystem::path folder;
    bool folderChosen = false;
    std::optional<RegistryFileContents> currentUser;
    std::optional<RegistryFileContents> localMachine;
};

// Constructed on first use, so the registry is ready for objects built during static
// initialisation.
RegistryState& State() {
    static RegistryState state;
    return state;
}

std::u16string_view RootName(RegistryRoot root) {
    return root == HKEY_CURRENT_USER ? u"HKEY_CURRENT_USER" : u"HKEY_LOCAL_MACHINE";
}

std::filesystem::path RootFile(RegistryRoot root) {
    return RegistryFolder() / (root == HKEY_CURRENT_USER ? "user.reg" : "machine.reg");
}

std::optional<RegistryFileContents>& Slot(RegistryRoot root) {
    return root == HKEY_CURRENT_USER ? State().currentUser : State().localMachine;
}

RegistryFileContents& Loaded(RegistryRoot root, const RegistryValueFilter& unwanted = {}) {
    std::optional<RegistryFileContents>& slot = Slot(root);
    if (!slot) {
        slot = ReadRegistryFile(RootFile(root), RootName(root), unwanted);
    }
    return *slot;
}

}  // namespace

RegistryKey::RegistryKey(RegistryRoot root, std::vector<std::u16string> path, RegistryAccess access)
    : root_(root), path_(std::move(path)), access_(access) {}

std::optional<RegistryKey> RegistryKey::Open(RegistryRoot root, std::u16string_view path,
                                             RegistryAccess access) {
    std::vector<std::u16string> names = SplitKeyPath(path);
    if (Loaded(root).root.FindPath(names) == nullptr) {
        return std::nullopt;
    }
    return RegistryKey(root, std::move(names), access);
}

std::optional<RegistryKey> RegistryKey::Create(RegistryRoot root, std::u16string_view path) {
    std::vector<std::u16string> names = SplitKeyPath(path);
    if (!IsStorableKeyPath(names)) {
        return std::nullopt;
    }
    Loaded(root).root.CreatePath(names);
    return RegistryKey(root, std::move(names), RegistryAccess::Write);
}

RegistryKeyNode* RegistryKey::Node() const {
    return open_ ? Loaded(root_).root.FindPath(path_) : nullptr;
}

RegistryKeyNode* RegistryKey::WritableNode(std::u16string_view valueName) const {
    return (access_ == RegistryAccess::Write && IsLiteralText(valueName)) ? Node() : nullptr;
}

std::optional<RegistryValue> RegistryKey::QueryValue(std::u16string_view name) const {
    const RegistryKeyNode* node = Node();
    const RegistryValue* value = node != nullptr ? node->FindValue(name) : nullptr;
    if (value == nullptr) {
        return std::nullopt;
    }
    return *value;
}

std::vector<std::u16string> RegistryKey::ValueNames() const {
    std::vector<std::u16string> names;
    if (const RegistryKeyNode* node = Node()) {
        for (const NamedRegistryValue& entry : node->Values()) {
            names.push_back(entry.name);
        }
    }
    return names;
}

bool RegistryKey::SetValue(std::u16string_view name, RegistryType type,
                           std::span<const uint8_t> data) {
    RegistryKeyNode* node = WritableNode(name);
    if (node == nullptr) {
        return false;
    }
    node->SetValue(name, RegistryValue{type, std::vector<uint8_t>(data.begin(), data.end())});
    return true;
}

bool RegistryKey::DeleteValue(std::u16string_view name) {
    RegistryKeyNode* node = WritableNode(name);
    return node != nullptr && node->DeleteValue(name);
}

bool RegistryKey::DeleteValues(const std::function<bool(std::u16string_view name)>& unwanted) {
    RegistryKeyNode* node = access_ == RegistryAccess::Write ? Node() : nullptr;
    if (node == nullptr) {
        return false;
    }
    node->DeleteValues(unwanted);
    return true;
}

std::optional<uint32_t> RegistryKey::QueryDword(std::u16string_view name) const {
    const auto value = QueryValue(name);
    return value ? DwordOfData(value->data) : std::nullopt;
}

std::optional<std::u16string> RegistryKey::QueryString(std::u16string_view name) const {
    const auto value = QueryValue(name);
    if (!value || value->data.empty()) {
        return std::nullopt;
    }
    return TextOfData(value->data);
}

bool RegistryKey::SetDword(std::u16string_view name, uint32_t value) {
    return SetValue(name, REG_DWORD, DwordData(value));
}

bool RegistryKey::SetString(std::u16string_view name, std::u16string_view text) {
    return SetValue(name, REG_SZ, StringData(text));
}

void RegistryKey::Close() {
    open_ = false;
}

void LoadRegistry(const std::filesystem::path& folder) {
    RegistryState& state = State();
    state.folder = folder;
    state.folderChosen = true;
    state.currentUser.reset();
    state.localMachine.reset();
}

void ReadRegistryRoot(RegistryRoot root, const RegistryValueFilter& unwanted) {
    Loaded(root, unwanted);
}

std::filesystem::path RegistryFolder() {
    RegistryState& state = State();
    if (!state.folderChosen) {
        state.folder = DefaultRegistryFolder();
        state.folderChosen = true;
    }
    return state.folder;
}

bool FlushRegistry(RegistryRoot root) {
    RegistryFileContents& contents = Loaded(root);
    const std::filesystem::path file = RootFile(root);
    if (contents.mustLeaveOldFile) {
        return false;
    }
    if (contents.mustKeepOldFile) {
        if (!KeepBadRegistryFile(file)) {
            return false;
        }
        contents.mustKeepOldFile = false;
    }
    return ReplaceRegistryFile(file, WriteRegistryText(contents.root));
}

void KeepRegistryFileAtNextFlush(RegistryRoot root) {
    Loaded(root).mustKeepOldFile = true;
}

void LeaveRegistryFileAlone(RegistryRoot root) {
    Loaded(root).mustLeaveOldFile = true;
}

}  // namespace sorna
