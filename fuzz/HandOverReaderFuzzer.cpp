#include <cstddef>
#include <cstdint>

#include "platform/HandOverRecord.h"

// Whatever a local client sends, split at whatever points, the reader neither crashes nor hands
// out a request larger than the limit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sorna::HandOverReader reader;
    sorna::HandOverRequest request;
    size_t offset = 0;
    while (offset < size) {
        const size_t piece = 1 + data[offset] % 64;
        const size_t count = piece < size - offset ? piece : size - offset;
        reader.Append(data + offset, count);
        offset += count;
        while (reader.Next(request) == sorna::HandOverReader::Status::kRequest) {
            if (request.data.size() != request.byteCount ||
                request.byteCount > sorna::kMaxHandOverBytes) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
