#include "app/StartReadAhead.h"

#include <utility>

#include "document/LoadDocument.h"

namespace sorna {

void StartReadAhead::Start(Request request) {
    request_ = std::move(request);
    read_ = std::async(std::launch::async, [request = request_] {
        Read read;
        read.window =
            LoadReadingWindow(request.path, request.encoding, request.place, request.byte);
        if (!read.window && ReadsAtOnce(request.path)) {
            read.whole.emplace();
            read.loaded = LoadDocument(*read.whole, request.path, nullptr, request.encoding);
        }
        return read;
    });
}

std::optional<StartReadAhead::Read> StartReadAhead::Take(const Request& request) {
    if (!read_.valid()) {
        return std::nullopt;
    }
    Read read = read_.get();
    return request == request_ ? std::optional<Read>(std::move(read)) : std::nullopt;
}

}  // namespace sorna
