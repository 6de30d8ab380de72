#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/Require.h"
#include "document/DocumentText.h"
#include "document/LoadDocument.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "view/TextView.h"
#include "view/ViewDevice.h"

namespace sorna {

// A 100 MiB document (counted in the bytes of its source files) made at run time from the
// corpus as the reader loads it: the Korean Bible and an English novel in turn, closed by a
// marker that occurs nowhere else, for the searches.
inline constexpr std::u16string_view kEndMarker = u"Sorna 끝 marker";

inline std::u16string LoadCorpusText(const char* name) {
    DocumentText document;
    const std::string path = corpus::File(name).string();
    Require(LoadDocument(document, Widen(path), nullptr), "load " + path);
    return {document.text.get(), size_t(document.length)};
}

// The corpus documents `sources` as the reader loads them, in turn, until their files' bytes
// come to 100 MiB.
inline std::u16string HundredMegabytesOf(const std::vector<const char*>& sources) {
    std::vector<std::u16string> texts;
    std::vector<size_t> bytes;
    for (const char* source : sources) {
        texts.push_back(LoadCorpusText(source));
        bytes.push_back(std::filesystem::file_size(corpus::File(source)));
    }
    std::u16string text;
    for (size_t total = 0, i = 0; total < (size_t{100} << 20); ++i) {
        text += texts[i % texts.size()];
        total += bytes[i % texts.size()];
    }
    return text;
}

inline DocumentText HundredMegabyteDocument() {
    std::u16string text =
        HundredMegabytesOf({"ko-cp949-bible-krv-large.txt", "en-gutenberg-01-large.txt"});
    text += kEndMarker;
    DocumentText document;
    document.text = std::make_unique<char16_t[]>(text.size() + 1);
    std::memcpy(document.text.get(), text.data(), text.size() * sizeof(char16_t));
    document.text[text.size()] = 0;
    document.length = int32_t(text.size());
    return document;
}

// Uneven narrow widths and one wide width, as a 15-pixel Korean font measures them.
class BenchMetrics : public ViewDevice {
public:
    BenchMetrics() {
        for (int c = 0; c < 256; ++c) {
            metrics.charWidths[c] = 4 + c % 9;
        }
        metrics.wideWidth = 14;
        metrics.wideHeight = 17;
    }
    CharMetrics MeasureChars(const FontDescription&) override { return metrics; }
    void Repaint() override {}

    CharMetrics metrics;
};

// The document in a view a phone's width wide (1080 pixels less the margins), laid out.
struct BenchView {
    BenchView() {
        view.Document() = HundredMegabyteDocument();
        view.SetTextArea({10, 0, 1070, 1920}, false);
        Require(view.Layout(nullptr), "lay the document out");
    }

    BenchMetrics device;
    TextView view{device};
};

inline BenchView& SharedBenchView() {
    static BenchView bench;
    return bench;
}

}  // namespace sorna
