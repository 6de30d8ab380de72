#include "app/JumpHistory.h"

namespace sorna {
namespace {

// A place is kept once in a row: jumping twice from the same place needs one step back.
void Push(std::deque<int32_t>& places, int32_t place) {
    if (!places.empty() && places.back() == place) {
        return;
    }
    places.push_back(place);
    if (places.size() > JumpHistory::kLimit) {
        places.pop_front();
    }
}

}  // namespace

void JumpHistory::Leave(const std::u16string& path, int32_t from) {
    if (path.empty() || from < 0) {
        return;
    }
    Places& places = documents_[path];
    Push(places.back, from);
    places.forward.clear();
}

std::optional<int32_t> JumpHistory::Back(const std::u16string& path, int32_t current) {
    Places& places = documents_[path];
    return Move(places.back, places.forward, current);
}

std::optional<int32_t> JumpHistory::Forward(const std::u16string& path, int32_t current) {
    Places& places = documents_[path];
    return Move(places.forward, places.back, current);
}

std::optional<int32_t> JumpHistory::Move(std::deque<int32_t>& from, std::deque<int32_t>& to,
                                         int32_t current) {
    // A place the reader is at already is no step.
    while (!from.empty() && from.back() == current) {
        from.pop_back();
    }
    if (from.empty()) {
        return std::nullopt;
    }
    const int32_t place = from.back();
    from.pop_back();
    Push(to, current);
    return place;
}

}  // namespace sorna
