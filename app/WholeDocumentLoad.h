#pragma once

#include <functional>
#include <string>
#include <thread>

#include "document/DocumentText.h"
#include "view/CharMetrics.h"
#include "view/LineBreaker.h"
#include "view/LineTable.h"

namespace sorna {

// Reads a long document whole, or takes one read already, and breaks it into lines on a thread
// of its own while a window of it around the reading place is shown. Nothing the window's thread
// uses is touched: a file is mapped anew, and the text and table are the work's own until they
// are handed over.
class WholeDocumentLoad {
public:
    // What the work made: the document as LoadDocument leaves it, and its lines when it was
    // read and the table had memory (empty otherwise).
    struct Result {
        DocumentText document;
        LineTable lines;
    };
    // How the lines are broken. `done` runs on the work's thread as its last step, unless the
    // work was cancelled.
    struct Breaking {
        CharMetrics metrics;
        BreakOptions options;
        std::function<void()> done;
    };

    WholeDocumentLoad() = default;
    ~WholeDocumentLoad() { static_cast<void>(Cancel()); }
    WholeDocumentLoad(const WholeDocumentLoad&) = delete;
    WholeDocumentLoad& operator=(const WholeDocumentLoad&) = delete;

    // Reads `path` in `encoding` (chosen by hand; empty lets the bytes decide), then breaks it.
    void StartReading(std::u16string path, std::string encoding, Breaking breaking);
    // Breaks a document read whole already.
    void StartBreaking(DocumentText document, Breaking breaking);
    [[nodiscard]] bool Running() const { return thread_.joinable(); }
    // Stops the work and waits for its thread: decoding and breaking look for the request every
    // few milliseconds. Gives back the document when it was read whole before the stop (or
    // given), for breaking anew; an empty one otherwise.
    DocumentText Cancel();
    // Waits for the work's end and hands over what it made.
    Result Finish();

private:
    void Run(std::function<void(std::stop_token)> read, Breaking breaking);

    std::jthread thread_;
    Result result_;
};

}  // namespace sorna
