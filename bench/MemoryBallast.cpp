// Puts the memory of a long-running virtual machine back into the state of a freshly booted one,
// as far as that can be done from inside it, and holds it there until it is stopped (SIGTERM).
//
// The host backs a virtual machine's page on its first touch, which makes new memory slow to touch
// on a freshly booted machine: almost none of its free memory is backed yet. A long-running
// machine hands free blocks of the reporting order and up back to the host (free page reporting),
// but the smaller free fragments between pages in use stay backed, and those are what a program's
// new pages come from first. This program takes those fragments and keeps them, so that the next
// program is given pages the host has yet to back, as after a boot. Blocks freed shortly before
// are reported a few seconds later: drop the page cache, compact memory and wait before starting
// it.
//   bench_memory_ballast
// Once it holds the fragments it prints one line: the MiB it holds, the MiB of fragments left, and
// how fast a probe of new memory was touched (GB/s). It exits 1 when the machine does not report
// free pages or /proc/pagetypeinfo cannot be read (it needs root).
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kMiB = std::size_t(1) << 20;
constexpr std::size_t kSmallestChunk = 16 * kMiB;
constexpr std::size_t kFragmentsLeftAtMost = 4 * kMiB;
constexpr std::size_t kProbe = 64 * kMiB;

// The smallest order of free block that the kernel reports to the host, or -1 when it reports none.
int ReportingOrder() {
    std::ifstream file("/sys/module/page_reporting/parameters/page_reporting_order");
    int order = -1;
    return file >> order ? order : -1;
}

// Bytes in free blocks of movable pages below order `reportedFrom`, in every zone: the free
// memory the host still backs and that a program's pages come from. 0 when it cannot be read.
std::size_t BackedFragments(int reportedFrom) {
    std::ifstream file("/proc/pagetypeinfo");
    std::size_t pages = 0;
    for (std::string line; std::getline(file, line);) {
        // "Node    0, zone   Normal, type      Movable   1163   1565 ...", from order 0 up.
        const std::size_t type = line.find(", type ");
        if (line.rfind("Node", 0) != 0 || type == std::string::npos)
            continue;
        std::istringstream counts(line.substr(type + 7));
        std::string name;
        if (!(counts >> name) || name != "Movable")
            continue;
        std::size_t count = 0;
        for (int order = 0; order < reportedFrom && counts >> count; ++order)
            pages += count << order;
    }
    return pages * kPage;
}

// Maps `bytes` of new anonymous memory in 4 KiB pages, touches each page once and keeps them; the
// seconds the touching took, or -1 when nothing could be mapped.
double TouchNew(std::size_t bytes) {
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED)
        return -1;
    madvise(memory, bytes, MADV_NOHUGEPAGE);
    const auto start = std::chrono::steady_clock::now();
    auto* bytesAt = static_cast<volatile char*>(memory);
    for (std::size_t at = 0; at < bytes; at += kPage)
        bytesAt[at] = 1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    const int reportedFrom = ReportingOrder();
    const std::size_t atStart = reportedFrom > 0 ? BackedFragments(reportedFrom) : 0;
    if (atStart == 0) {
        std::fprintf(stderr,
                     "bench_memory_ballast: no free page reporting, or /proc/pagetypeinfo "
                     "unreadable (not root?)\n");
        return 1;
    }
    // Taking pages refills the per-CPU lists from the fragments, so this takes until few are
    // left, bounded by what there was at the start and a little more.
    std::size_t held = 0;
    for (std::size_t left = atStart; left > kFragmentsLeftAtMost && held < atStart + 1024 * kMiB;
         left = BackedFragments(reportedFrom)) {
        const std::size_t chunk = std::max(left, kSmallestChunk);
        if (TouchNew(chunk) < 0)
            break;
        held += chunk;
    }
    const double probeSeconds = TouchNew(kProbe);
    if (probeSeconds < 0) {
        std::fprintf(stderr, "bench_memory_ballast: no memory for the probe\n");
        return 1;
    }
    std::printf("%zu MiB held, %zu MiB of backed fragments left, new memory %.2f GB/s\n",
                held / kMiB, BackedFragments(reportedFrom) / kMiB, kProbe / probeSeconds / 1e9);
    std::fflush(stdout);
    for (;;)
        pause();
}
