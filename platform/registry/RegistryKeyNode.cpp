#include "platform/registry/RegistryKeyNode.h"

#include <algorithm>

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
    std::vector<bool> doomed(values_.size());
    doomed[found->second] = true;
    Erase(doomed);
    return true;
}

void RegistryKeyNode::DeleteValues(const std::function<bool(std::u16string_view name)>& unwanted) {
    std::vector<bool> doomed(values_.size());
    for (size_t place = 0; place < values_.size(); ++place) {
        doomed[place] = unwanted(values_[place].name);
    }
    Erase(doomed);
}

void RegistryKeyNode::Erase(const std::vector<bool>& doomed) {
    if (std::ranges::find(doomed, true) == doomed.end()) {
        return;  // as every save finds, once the lists' tails are gone
    }
    constexpr size_t kGone = SIZE_MAX;
    std::vector<size_t> newPlaces(values_.size(), kGone);
    size_t kept = 0;
    for (size_t place = 0; place < values_.size(); ++place) {
        if (doomed[place]) {
            continue;
        }
        if (kept != place) {
            values_[kept] = std::move(values_[place]);
        }
        newPlaces[place] = kept++;
    }
    values_.resize(kept);
    for (auto entry = valueIndex_.begin(); entry != valueIndex_.end();) {
        entry->second = newPlaces[entry->second];
        entry = entry->second == kGone ? valueIndex_.erase(entry) : std::next(entry);
    }
}

}  // namespace sorna
