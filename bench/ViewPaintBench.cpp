// One page of Korean text painted onto an image like a window's backing store at 1080 x 1920 and
// at 3840 x 2160, in NanumGothic 15 at one device pixel per pixel (the most text a page can
// hold), against filling the image alone (every pixel written once); then a page of the Korean
// Bible, its hard-wrapped lines joined into paragraphs and every wrapped row justified, against
// the same page ragged (at 3840 x 2160 in a font of 30 pixels, as a screen of two device pixels
// per pixel shows 15).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench/RatioReporter.h"
#include "bench/ViewDocument.h"
#include "view/PagePlan.h"
#include "view/qt/PageCanvas.h"

namespace sorna {
namespace {

class PagePainting {
public:
    PagePainting(int width, int height, const char* name = "ko-cp949-novel-03.txt",
                 ReadingAids aids = {}, int32_t fontSize = 15)
        : width_(width), height_(height), window_(width, height, QImage::Format_RGB32) {
        view_.SetFont(u"NanumGothic", fontSize, false, false);
        view_.SetTextArea({10, 10, width - 10, height - 10}, false);
        view_.SetReadingAids(aids);
        const std::u16string text = LoadCorpusText(name);
        view_.Document().text = std::make_unique<char16_t[]>(text.size() + 1);
        std::copy_n(text.c_str(), text.size() + 1, view_.Document().text.get());
        view_.Document().length = int32_t(text.size());
        Require(view_.Layout(nullptr), "lay the novel out");
        view_.SetTopLine(view_.Lines().Count() / 2);
    }

    void Paint() {
        QPainter painter(&window_);
        canvas_.PaintTo(painter, PlanPage(view_, width_), Area());
    }
    // Rows of the page drawn stretched.
    double JustifiedRows() const {
        const std::vector<PageRow> rows = PlanPage(view_, width_).rows;
        return double(std::count_if(rows.begin(), rows.end(), [](const PageRow& row) {
            return row.justification != Justification{};
        }));
    }

private:
    QRect Area() const { return QRect(0, 0, width_, height_); }

    int width_;
    int height_;
    QImage window_;
    PageCanvas canvas_;
    TextView view_{canvas_};
};

void BM_Fill(benchmark::State& state) {
    QImage window(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&window);
        painter.fillRect(window.rect(), QColor(0x10, 0x30, 0x60));
    }
}
BENCHMARK(BM_Fill)->Args({1080, 1920})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_Paint(benchmark::State& state) {
    PagePainting painting(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        painting.Paint();
    }
}
BENCHMARK(BM_Paint)->Args({1080, 1920})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_PaintParagraphs(benchmark::State& state, bool justify) {
    PagePainting painting(int(state.range(0)), int(state.range(1)), "ko-cp949-bible-krv-large.txt",
                          {.joinLines = true, .justify = justify}, int32_t(state.range(2)));
    for (auto _ : state) {
        painting.Paint();
    }
    state.counters["justified rows"] = painting.JustifiedRows();
}
BENCHMARK_CAPTURE(BM_PaintParagraphs, Ragged, false)
    ->Args({1080, 1920, 15})
    ->Args({3840, 2160, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintParagraphs, Justified, true)
    ->Args({1080, 1920, 15})
    ->Args({3840, 2160, 30})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"paint / fill at 1080 x 1920", "BM_Paint/1080/1920", "BM_Fill/1080/1920"},
         {"paint / fill at 3840 x 2160", "BM_Paint/3840/2160", "BM_Fill/3840/2160"},
         {"justified / ragged paint at 1080 x 1920", "BM_PaintParagraphs/Justified/1080/1920/15",
          "BM_PaintParagraphs/Ragged/1080/1920/15"},
         {"justified / ragged paint at 3840 x 2160", "BM_PaintParagraphs/Justified/3840/2160/30",
          "BM_PaintParagraphs/Ragged/3840/2160/30"}});
}
