#include "platform/MappedRangeGuard.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace sorna {
namespace {

// The signal handler reads these without locks, so they are plain atomics in static storage.
struct GuardSlot {
    std::atomic<bool> taken{false};
    std::atomic<uintptr_t> begin{0};  // 0 while the slot is not (yet) armed
    std::atomic<uintptr_t> end{0};
    std::atomic<bool> tripped{false};
};

std::array<GuardSlot, 16> slots;
struct sigaction previousAction {};
uintptr_t pageSize = 4096;

// Maps zero pages over [from, end) in place of the file's vanished pages.
bool ReplaceWithZeroPages(uintptr_t from, uintptr_t end) {
    const uintptr_t page = from & ~(pageSize - 1);
    void* replaced = mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    return replaced != MAP_FAILED;
}

void OnBusError(int, siginfo_t* info, void*) {
    const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
    for (GuardSlot& slot : slots) {
        const uintptr_t begin = slot.begin.load(std::memory_order_acquire);
        const uintptr_t end = slot.end.load(std::memory_order_acquire);
        if (begin != 0 && address >= begin && address < end && ReplaceWithZeroPages(address, end)) {
            slot.tripped.store(true, std::memory_order_release);
            return;
        }
    }
    // Not a guarded page: give the signal back to its earlier owner. Returning re-runs the
    // faulting access, which then meets that handler (by default, the end of the process).
    sigaction(SIGBUS, &previousAction, nullptr);
}

void InstallHandler() {
    pageSize = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousAction);
}

}  // namespace

MappedRangeGuard::MappedRangeGuard(const void* begin, size_t size) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandler);
    for (size_t i = 0; i < slots.size(); ++i) {
        bool expected = false;
        if (slots[i].taken.compare_exchange_strong(expected, true)) {
            const auto first = reinterpret_cast<uintptr_t>(begin);
            slots[i].tripped.store(false);
            slots[i].end.store(first + size, std::memory_order_release);
            slots[i].begin.store(first, std::memory_order_release);
            slot_ = static_cast<int>(i);
            return;
        }
    }
}

MappedRangeGuard::~MappedRangeGuard() {
    if (slot_ >= 0) {
        slots[slot_].begin.store(0, std::memory_order_release);
        slots[slot_].taken.store(false, std::memory_order_release);
    }
}

bool MappedRangeGuard::Tripped() const {
    return slot_ >= 0 && slots[slot_].tripped.load(std::memory_order_acquire);
}

}  // namespace sorna
