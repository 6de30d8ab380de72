#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>

namespace sorna {

// The places a reader jumped from, each document apart, for as long as the reader runs: back
// returns to the place before the last jump, forward undoes a back. A new jump drops what
// forward would have gone to, as a browser does.
class JumpHistory {
public:
    // Places kept each way for one document; the oldest give way.
    static constexpr size_t kLimit = 100;

    // A jump leaves `from` in the document at `path`.
    void Leave(const std::u16string& path, int32_t from);
    // The place to go back (or forward) to from `current`, which the other direction then keeps;
    // none when there is nothing that way.
    std::optional<int32_t> Back(const std::u16string& path, int32_t current);
    std::optional<int32_t> Forward(const std::u16string& path, int32_t current);

private:
    struct Places {
        std::deque<int32_t> back;
        std::deque<int32_t> forward;
    };

    static std::optional<int32_t> Move(std::deque<int32_t>& from, std::deque<int32_t>& to,
                                       int32_t current);

    std::map<std::u16string, Places> documents_;
};

}  // namespace sorna
