#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "app/qt/EventLoop.h"

namespace sorna {
namespace {

// Posts itself again for every event it gets, as a handler that keeps posting would.
class Reposter : public QObject {
public:
    int handled = 0;

    bool event(QEvent*) override {
        ++handled;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        return true;
    }
};

TEST(PumpMessages, HandlesWhatIsPendingAndReturnsDespiteNewPosts) {
    Reposter reposter;
    QCoreApplication::postEvent(&reposter, new QEvent(QEvent::User));
    PumpMessages();
    EXPECT_GE(reposter.handled, 1);
    QCoreApplication::removePostedEvents(&reposter);
}

}  // namespace
}  // namespace sorna
