#pragma once

#include <cstddef>

namespace sorna {

// Asks the system to back the whole 2 MiB pages inside [begin, begin + bytes) of fresh anonymous
// memory with huge pages: a buffer filled front to back then faults once per 2 MiB instead of
// once per 4 KiB. Only a hint; small buffers and systems without huge pages are left as they are.
void PreferHugePages(void* begin, size_t bytes);

}  // namespace sorna
