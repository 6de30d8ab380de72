#pragma once

#include <functional>
#include <vector>

namespace sorna {

// Loading and laying out a document report progress and pump messages, so input, timers and
// posted commands are handled from inside that work. What would change the document under it
// (another open, a close, a new layout, recording the reading position) waits here instead
// and runs, in the order it came, once the outermost piece of work has ended.
class WorkInProgress {
public:
    // Marks work as running for its lifetime. Scopes nest.
    class Scope {
    public:
        explicit Scope(WorkInProgress& work);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        WorkInProgress& work_;
    };

    [[nodiscard]] bool Busy() const { return depth_ > 0; }

    // Runs `task` now when no work is running, otherwise when the outermost scope ends.
    void RunWhenIdle(std::function<void()> task);

private:
    void End();

    int depth_ = 0;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace sorna
