#include "app/WholeDocumentLoad.h"

#include "document/LoadDocument.h"
#include "platform/BackgroundPriority.h"

namespace sorna {

void WholeDocumentLoad::StartReading(std::u16string path, std::string encoding, Breaking breaking) {
    static_cast<void>(Cancel());
    Run(
        [this, path = std::move(path), encoding = std::move(encoding)](std::stop_token stop) {
            static_cast<void>(LoadDocument(result_.document, path, nullptr, encoding, stop));
        },
        std::move(breaking));
}

void WholeDocumentLoad::StartBreaking(DocumentText document, Breaking breaking) {
    static_cast<void>(Cancel());
    result_.document = std::move(document);
    Run([](std::stop_token) {}, std::move(breaking));
}

// The document is read (or kept) first and its lines broken after; a stop leaves no table.
void WholeDocumentLoad::Run(std::function<void(std::stop_token)> read, Breaking breaking) {
    result_.lines = {};
    thread_ = std::jthread([this, read = std::move(read),
                            breaking = std::move(breaking)](std::stop_token stop) {
        RunInBackground();
        read(stop);
        const DocumentText& document = result_.document;
        if (document.length > 0 &&
            !BreakLines(document.text.get(), document.length, breaking.metrics, breaking.options,
                        result_.lines, Parting::PerThread(kBreakPartLength), stop)) {
            result_.lines.Free();
        }
        if (!stop.stop_requested()) {
            breaking.done();
        }
    });
}

DocumentText WholeDocumentLoad::Cancel() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    result_.lines.Free();
    return std::exchange(result_.document, {});
}

WholeDocumentLoad::Result WholeDocumentLoad::Finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return std::exchange(result_, {});
}

}  // namespace sorna
