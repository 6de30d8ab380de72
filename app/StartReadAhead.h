#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "document/DocumentText.h"
#include "document/ReadingWindow.h"

namespace sorna {

// The document a window opens first, read on a thread of its own while the window is made and
// shown, which takes longer: the window around the reading place of a long plain text, or else
// the whole of a file that is read at once. Only an open of the same file, in the same encoding,
// at the same place takes what was read.
class StartReadAhead {
public:
    struct Request {
        std::u16string path;
        std::string encoding;  // chosen by hand; empty lets the bytes decide
        int32_t place = 0;
        std::optional<int64_t> byte;  // where the place begins in the file, when known

        bool operator==(const Request&) const = default;
    };
    // What LoadReadingWindow gives for the request, or else, for a file read at once, what
    // LoadDocument does.
    struct Read {
        std::optional<ReadingWindow> window;
        std::optional<DocumentText> whole;
        bool loaded = false;  // LoadDocument's answer for `whole`
    };

    void Start(Request request);
    // Waits for the read and hands it over when it was for `request`; none for any other
    // request, or once taken. The read is dropped either way.
    [[nodiscard]] std::optional<Read> Take(const Request& request);

private:
    Request request_;
    std::future<Read> read_;
};

}  // namespace sorna
