#include "app/WorkInProgress.h"

#include <utility>

namespace sorna {

WorkInProgress::Scope::Scope(WorkInProgress& work) : work_(work) {
    ++work_.depth_;
}

WorkInProgress::Scope::~Scope() {
    work_.End();
}

void WorkInProgress::RunWhenIdle(std::function<void()> task) {
    if (Busy()) {
        waiting_.push_back(std::move(task));
        return;
    }
    task();
}

void WorkInProgress::End() {
    if (--depth_ > 0) {
        return;
    }
    // A task may start new work; what that work defers waits for its own end.
    std::vector<std::function<void()>> tasks;
    tasks.swap(waiting_);
    for (size_t n = 0; n < tasks.size(); ++n) {
        RunWhenIdle(std::move(tasks[n]));
    }
}

}  // namespace sorna
