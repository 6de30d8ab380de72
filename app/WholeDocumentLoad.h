#pragma once

#include <functional>
#include <string>
#include <thread>

#include "document/DocumentText.h"
#include "view/CharMetrics.h"
#include "view/LineBreaker.h"
#include "view/LineTable.h"

namespace sorna {

// Reads a long document whole and breaks it into lines on a thread of its own, while a window
// of it around the reading place is read. Neither part touches anything the window's thread
// uses: the file is mapped anew and the text and table are the work's own until handed over.
class WholeDocumentLoad {
public:
    // What the work made: the document as LoadDocument leaves it, and its lines when it was
    // loaded and the table had memory (empty otherwise).
    struct Result {
        DocumentText document;
        LineTable lines;
    };

    WholeDocumentLoad() = default;
    ~WholeDocumentLoad() { Cancel(); }
    WholeDocumentLoad(const WholeDocumentLoad&) = delete;
    WholeDocumentLoad& operator=(const WholeDocumentLoad&) = delete;

    // Starts the work on `path` read in `encoding` (chosen by hand; empty lets the bytes decide),
    // its lines broken as `options` says with `metrics`. `done` runs on the work's thread as its
    // last step, unless the work was cancelled. Work under way is cancelled first.
    void Start(std::u16string path, std::string encoding, const CharMetrics& metrics,
               BreakOptions options, std::function<void()> done);
    [[nodiscard]] bool Running() const { return thread_.joinable(); }
    // Stops the work and waits for its thread: decoding and breaking look for the request every
    // few milliseconds. Nothing when no work runs.
    void Cancel();
    // Waits for the work's end and hands over what it made.
    Result Finish();

private:
    std::jthread thread_;
    Result result_;
};

}  // namespace sorna
