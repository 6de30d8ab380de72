#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>

#include "app/qt/PageWidget.h"
#include "tests/view/ViewTestSupport.h"

namespace sorna {
namespace {

// Counts the paint events of the widget it watches.
struct PaintCount : QObject {
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

TEST(PageWidget, EverySmoothStepReachesTheScreenAtOnce) {
    PageCanvas canvas;
    TextView view(canvas);
    QWidget window;
    PageWidget page(canvas, view, window);
    page.resize(240, 320);
    window.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(canvas.CreateBuffers(240, 320, 1.0));
    test::SetText(view.Document(), std::u16string(40, u'\n'));
    ASSERT_TRUE(view.Layout(nullptr));
    view.SetOptions(true, true);
    PaintCount count(page);
    view.ScrollLines(7);
    EXPECT_EQ(count.paints, 7);
}

}  // namespace
}  // namespace sorna
