#include "app/WholeDocumentLoad.h"

#include "document/LoadDocument.h"

namespace sorna {

void WholeDocumentLoad::Start(std::u16string path, std::string encoding, const CharMetrics& metrics,
                              BreakOptions options, std::function<void()> done) {
    Cancel();
    result_ = {};
    thread_ = std::jthread([this, path = std::move(path), encoding = std::move(encoding), metrics,
                            options, done = std::move(done)](std::stop_token stop) {
        DocumentText& document = result_.document;
        if (LoadDocument(document, path, nullptr, encoding, stop) && document.length > 0 &&
            !BreakLines(document.text.get(), document.length, metrics, options, result_.lines,
                        Parting::PerThread(kBreakPartLength), stop)) {
            result_.lines.Free();
        }
        if (!stop.stop_requested()) {
            done();
        }
    });
}

void WholeDocumentLoad::Cancel() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

WholeDocumentLoad::Result WholeDocumentLoad::Finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return std::move(result_);
}

}  // namespace sorna
