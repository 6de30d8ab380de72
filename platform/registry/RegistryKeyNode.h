#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry/Registry.h"

namespace sorna {

struct NamedRegistryValue {
    std::u16string name;
    RegistryValue value;
};

// One key of a root held in memory: its values in the order they were first set and its
// sub-keys ordered by folded name. Lookups fold the name, so they ignore letter case.
class RegistryKeyNode {
public:
    explicit RegistryKeyNode(std::u16string name);

    const std::u16string& Name() const { return name_; }

    // The key at path below this one, or nullptr.
    RegistryKeyNode* FindPath(std::span<const std::u16string> path);
    // The key at path below this one, created with every missing key on the way.
    RegistryKeyNode& CreatePath(std::span<const std::u16string> path);

    const RegistryValue* FindValue(std::u16string_view name) const;
    // An existing value keeps its place and the case of its name.
    void SetValue(std::u16string_view name, RegistryValue value);
    [[nodiscard]] bool DeleteValue(std::u16string_view name);
    // Deletes every value whose name `unwanted` accepts, in one pass however many they are.
    void DeleteValues(const std::function<bool(std::u16string_view name)>& unwanted);

    const std::vector<NamedRegistryValue>& Values() const { return values_; }
    const std::map<std::u16string, std::unique_ptr<RegistryKeyNode>>& Subkeys() const {
        return subkeys_;
    }

private:
    // Deletes the values at the places marked, keeping the order of the others.
    void Erase(const std::vector<bool>& doomed);

    std::u16string name_;
    std::vector<NamedRegistryValue> values_;
    std::unordered_map<std::u16string, size_t> valueIndex_;  // folded name -> place in values_
    std::map<std::u16string, std::unique_ptr<RegistryKeyNode>> subkeys_;  // by folded name
};

}  // namespace sorna
