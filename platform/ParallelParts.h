#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

namespace sorna {

// How a job is cut into parts: into at most `most` parts, none shorter than `minSize`.
struct Parting {
    size_t most = 1;
    int64_t minSize = 1;

    // One part per hardware thread.
    static Parting PerThread(int64_t minSize) {
        return {std::max(1u, std::thread::hardware_concurrency()), minSize};
    }

    // How many parts a job of `size` is cut into: at least one.
    size_t PartsFor(int64_t size) const {
        return static_cast<size_t>(
            std::clamp<int64_t>(size / std::max<int64_t>(minSize, 1), 1,
                                static_cast<int64_t>(std::max<size_t>(most, 1))));
    }
};

// The bounds of up to `parts` parts of about equal share of `size`, closed by `size`. Each part
// after the first begins where `cutIn(from, end)` finds a point in [from, end) of its share; a
// part where it finds none (it returns `end`) merges into the one before.
template <typename Index, typename CutIn>
std::vector<Index> PartBounds(Index size, size_t parts, const CutIn& cutIn) {
    std::vector<Index> bounds = {0};
    for (size_t part = 1; part < parts; ++part) {
        const auto end = static_cast<Index>(int64_t(size) * int64_t(part + 1) / int64_t(parts));
        const Index cut =
            cutIn(static_cast<Index>(int64_t(size) * int64_t(part) / int64_t(parts)), end);
        if (cut < end) {
            bounds.push_back(cut);
        }
    }
    bounds.push_back(size);
    return bounds;
}

// Runs work(0) … work(count - 1) at once: the first part on the calling thread, each other part
// on a thread of its own, or on the calling thread when no thread can be started. Returns when
// every part has ended.
template <typename Work>
void RunParts(size_t count, const Work& work) {
    std::vector<std::jthread> helpers;
    for (size_t part = 1; part < count; ++part) {
        try {
            helpers.emplace_back([&work, part] { work(part); });
        } catch (const std::system_error&) {
            work(part);
        }
    }
    if (count > 0) {
        work(0);
    }
}

}  // namespace sorna
