#include "platform/registry/RegistryKeyNode.h"

#include "platform/registry/RegistryName.h"

namespace sorna {

RegistryKeyNode::RegistryKeyNode(std::u16string name) : name_(std::move(name)) {}

RegistryKeyNode* RegistryKeyNode::FindPath(std::span<const std::u16string> path) {
    RegistryKeyNode* node = this;
    for (const std::u16string& name : path) {
        const auto found = node->subkeys_.find(FoldRegistryName(name));
        if (found == node->subkeys_.end()) {
            return nullptr;
        }
        node = found->second.get();
    }
    return node;
}

RegistryKeyNode& RegistryKeyNode::CreatePath(std::span<const std::u16string> path) {
    RegistryKeyNode* node = this;
    for (const std::u16string& name : path) {
        std::unique_ptr<RegistryKeyNode>& slot = node->subkeys_[FoldRegistryName(name)];
        if (!slot) {
            slot = std::make_unique<RegistryKeyNode>(name);
        }
        node = slot.get();
    }
    return *node;
}

const RegistryValue* RegistryKeyNode::FindValue(std::u16string_view name) const {
    const auto found = valueIndex_.find(FoldRegistryName(name));
    return found == valueIndex_.end() ? nullptr : &values_[found->second].value;
}

void RegistryKeyNode::SetValue(std::u16string_view name, RegistryValue value) {
    const auto [slot, added] = valueIndex_.try_emplace(FoldRegistryName(name), values_.size());
    if (added) {
        values_.push_back({std::u16string(name), std::move(value)});
    } else {
        values_[slot->second].value = std::move(value);
    }
}

bool RegistryKeyNode::DeleteValue(std::u16string_view name) {
    const auto found = valueIndex_.find(FoldRegistryName(name));
    if (found == valueIndex_.end()) {
        return false;
    }
    const size_t place = found->second;
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(place));
    valueIndex_.erase(found);
    for (auto& entry : valueIndex_) {
        if (entry.second > place) {
            --entry.second;
        }
    }
    return true;
}

}  // namespace sorna
